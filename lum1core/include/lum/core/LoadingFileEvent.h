// The notification that a file is being loaded into a drawing (code 1, no data). The flag
// stays set until the outermost modification bracket closes.
#pragma once

#include "lum1core_export.h"

#include "fnd/ContextEvent.h"

class LUM1CORE_API CLoadingFileSourceEvent : public fnd::ISourceEvent {
public:
    enum : unsigned { kLoadingFile = 1 };
    CLoadingFileSourceEvent(fnd::IContextEvent* context, const fnd::ISourceEventType* type)
        : fnd::ISourceEvent(context, type) {}
    void ClearSourceEventInfo() override;
    void LoadingFile();
    bool IsFileBeingLoaded() const { return m_loading; }

private:
    bool m_loading = false;
};

class LUM1CORE_API CLoadingFileSourceEventType : public fnd::ISourceEventType {
public:
    static CLoadingFileSourceEventType s_SourceEventType;
    fnd::ISourceEvent* CreateSourceEvent(fnd::IContextEvent* context) const override;
};

LUM1CORE_API void FileIsBeingLoaded(fnd::IContextEvent* ctx);
LUM1CORE_API bool IsFileBeingLoaded(fnd::IContextEvent* ctx);
LUM1CORE_API CLoadingFileSourceEvent* GetLoadingFileSourceEvent(fnd::IContextEvent* ctx);
LUM1CORE_API CLoadingFileSourceEventType* GetLoadingFileSourceEventType();
LUM1CORE_API bool IsLoadingFileSourceEvent(int index);
