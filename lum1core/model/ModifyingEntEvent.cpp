#include "lum/core/ModifyingEntEvent.h"

#include "fnd/RefPtr.h"
#include "lum/core/Ent.h"

#include <new>

namespace lum::core {

CEntVectorMessageEvent::CEntVectorMessageEvent(const CEntCollection& ents) { m_ents.AddEnts(ents); }

void CModifyingEntSourceEvent::ClearSourceEventInfo()
{
    fnd::ISourceEvent::ClearSourceEventInfo();
    m_created = m_erased = m_modified = 0;
}

void CModifyingEntSourceEvent::CreatedEnts(const CEntCollection& ents)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    auto msg = fnd::RefPtr<CEntVectorMessageEvent>::Adopt(new CEntVectorMessageEvent(ents));
    Notify(kCreated, msg.get());
    m_created += ents.GetNoEnts();
}

void CModifyingEntSourceEvent::ErasedEnts(const CEntCollection& ents)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    auto msg = fnd::RefPtr<CEntVectorMessageEvent>::Adopt(new CEntVectorMessageEvent(ents));
    Notify(kErased, msg.get());
    m_erased += ents.GetNoEnts();
}

void CModifyingEntSourceEvent::ModifyingEnt(CEnt* ent)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    Notify(kModifying, ent);
}

void CModifyingEntSourceEvent::ModifiedEnt(CEnt* ent)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    Notify(kModified, ent);
    ++m_modified;
}

fnd::ISourceEvent* CModifyingEntSourceEventType::CreateSourceEvent(fnd::IContextEvent* context) const
{
    return new (std::nothrow) CModifyingEntSourceEvent(context, this);
}

void IModifyingEntTargetEvent::Dispatch(unsigned code, void* data, IModifyingEntTargetEvent* target)
{
    if (!target)
        return;
    switch (code) {
    case CModifyingEntSourceEvent::kCreated:
        if (data) target->OnCreatedEnts(static_cast<CEntVectorMessageEvent*>(data)->GetCollection());
        break;
    case CModifyingEntSourceEvent::kErased:
        if (data) target->OnErasedEnts(static_cast<CEntVectorMessageEvent*>(data)->GetCollection());
        break;
    case CModifyingEntSourceEvent::kModifying:
        target->OnModifyingEnt(static_cast<CEnt*>(data));
        break;
    case CModifyingEntSourceEvent::kModified:
        target->OnModifiedEnt(static_cast<CEnt*>(data));
        break;
    default:
        break;
    }
}

CModifyingEntSourceEventType* GetModifyingEntSourceEventType()
{
    static CModifyingEntSourceEventType type;
    return &type;
}

bool IsModifyingEntSourceEvent(int index)
{
    return index >= 0 && index == GetModifyingEntSourceEventType()->GetIndex();
}

CModifyingEntSourceEvent* GetModifyingEntSourceEvent(fnd::IContextEvent* ctx)
{
    const int index = GetModifyingEntSourceEventType()->GetIndex();
    if (!ctx || index < 0)
        return nullptr;
    return dynamic_cast<CModifyingEntSourceEvent*>(ctx->GetSourceEvent(index));
}

void CreatedEnts(fnd::IContextEvent* ctx, const CEntCollection& ents)
{
    if (auto* s = GetModifyingEntSourceEvent(ctx)) s->CreatedEnts(ents);
}

void ErasedEnts(fnd::IContextEvent* ctx, const CEntCollection& ents)
{
    if (auto* s = GetModifyingEntSourceEvent(ctx)) s->ErasedEnts(ents);
}

void ModifyingEnt(fnd::IContextEvent* ctx, CEnt* ent)
{
    if (auto* s = GetModifyingEntSourceEvent(ctx)) s->ModifyingEnt(ent);
}

void ModifiedEnt(fnd::IContextEvent* ctx, CEnt* ent)
{
    if (auto* s = GetModifyingEntSourceEvent(ctx)) s->ModifiedEnt(ent);
}

bool HaveBeenEntsCreated(fnd::IContextEvent* ctx)
{
    const auto* s = GetModifyingEntSourceEvent(ctx);
    return s && s->HaveBeenEntsCreated();
}

bool HaveBeenEntsErased(fnd::IContextEvent* ctx)
{
    const auto* s = GetModifyingEntSourceEvent(ctx);
    return s && s->HaveBeenEntsErased();
}

bool HaveBeenEntsModified(fnd::IContextEvent* ctx)
{
    const auto* s = GetModifyingEntSourceEvent(ctx);
    return s && s->HaveBeenEntsModified();
}

}  // namespace lum::core
