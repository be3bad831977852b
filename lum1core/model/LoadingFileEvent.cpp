#include "lum/core/LoadingFileEvent.h"

#include <new>

CLoadingFileSourceEventType CLoadingFileSourceEventType::s_SourceEventType;

void CLoadingFileSourceEvent::ClearSourceEventInfo()
{
    fnd::ISourceEvent::ClearSourceEventInfo();
    m_loading = false;
}

void CLoadingFileSourceEvent::LoadingFile()
{
    m_loading = true;
    fnd::CModifyBracket bracket(GetContextEvent());
    Notify(kLoadingFile, nullptr);
}

fnd::ISourceEvent* CLoadingFileSourceEventType::CreateSourceEvent(fnd::IContextEvent* context) const
{
    return new (std::nothrow) CLoadingFileSourceEvent(context, this);
}

CLoadingFileSourceEventType* GetLoadingFileSourceEventType()
{
    return &CLoadingFileSourceEventType::s_SourceEventType;
}

bool IsLoadingFileSourceEvent(int index)
{
    return index >= 0 && index == GetLoadingFileSourceEventType()->GetIndex();
}

CLoadingFileSourceEvent* GetLoadingFileSourceEvent(fnd::IContextEvent* ctx)
{
    const int index = GetLoadingFileSourceEventType()->GetIndex();
    if (!ctx || index < 0)
        return nullptr;
    return dynamic_cast<CLoadingFileSourceEvent*>(ctx->GetSourceEvent(index));
}

void FileIsBeingLoaded(fnd::IContextEvent* ctx)
{
    if (auto* s = GetLoadingFileSourceEvent(ctx)) s->LoadingFile();
}

bool IsFileBeingLoaded(fnd::IContextEvent* ctx)
{
    const auto* s = GetLoadingFileSourceEvent(ctx);
    return s && s->IsFileBeingLoaded();
}
