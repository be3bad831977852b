// Notifications of table-item changes: added (1), removed (2), changing (3), description
// changed (4), drawing changed (5). Null-safe like the entity notifications.
#pragma once

#include "lum1core_export.h"

#include "fnd/ContextEvent.h"

#include <cstdint>

namespace lum::core {

class ITableItem;

class LUM1CORE_API CModifyingTablesSourceEvent : public fnd::ISourceEvent {
public:
    enum : unsigned { kAdded = 1, kRemoved = 2, kChanging = 3, kDescInfoChanged = 4, kDrawInfoChanged = 5 };
    CModifyingTablesSourceEvent(fnd::IContextEvent* context, const fnd::ISourceEventType* type)
        : fnd::ISourceEvent(context, type) {}
    void ClearSourceEventInfo() override;

    void TableItemAdded(ITableItem* item) { Raise(kAdded, item); }
    void TableItemRemoved(ITableItem* item) { Raise(kRemoved, item); }
    void TableItemChanging(ITableItem* item) { Raise(kChanging, item); }
    void TableItemDescInfoChanged(ITableItem* item);
    void TableItemDrawInfoChanged(ITableItem* item);
    bool HasTableItemDescInfoChanged() const { return m_desc != 0; }
    bool HasTableItemDrawInfoChanged() const { return m_draw != 0; }

private:
    void Raise(unsigned code, ITableItem* item);
    std::uint32_t m_desc = 0, m_draw = 0;
};

class LUM1CORE_API CModifyingTablesSourceEventType : public fnd::ISourceEventType {
public:
    fnd::ISourceEvent* CreateSourceEvent(fnd::IContextEvent* context) const override;
};

class LUM1CORE_API IModifyingTablesTargetEvent {
public:
    virtual ~IModifyingTablesTargetEvent() = default;
    virtual void OnTableItemAdded(ITableItem*) {}
    virtual void OnTableItemRemoved(ITableItem*) {}
    virtual void OnTableItemChanging(ITableItem*) {}
    virtual void OnTableItemDescInfoChanged(ITableItem*) {}
    virtual void OnTableItemDrawInfoChanged(ITableItem*) {}
    static void Dispatch(unsigned code, void* data, IModifyingTablesTargetEvent* target);
};

LUM1CORE_API void TableItemAdded(fnd::IContextEvent* ctx, ITableItem* item);
LUM1CORE_API void TableItemRemoved(fnd::IContextEvent* ctx, ITableItem* item);
LUM1CORE_API void TableItemChanging(fnd::IContextEvent* ctx, ITableItem* item);
LUM1CORE_API void TableItemDescInfoChanged(fnd::IContextEvent* ctx, ITableItem* item);
LUM1CORE_API void TableItemDrawInfoChanged(fnd::IContextEvent* ctx, ITableItem* item);
LUM1CORE_API bool HasTableItemDescInfoChanged(fnd::IContextEvent* ctx);
LUM1CORE_API bool HasTableItemDrawInfoChanged(fnd::IContextEvent* ctx);
LUM1CORE_API CModifyingTablesSourceEvent* GetModifyingTablesSourceEvent(fnd::IContextEvent* ctx);
LUM1CORE_API CModifyingTablesSourceEventType* GetModifyingTablesSourceEventType();
LUM1CORE_API bool IsModifyingTablesSourceEvent(int index);

}  // namespace lum::core
