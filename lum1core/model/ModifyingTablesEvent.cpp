#include "lum/core/ModifyingTablesEvent.h"

#include <new>

namespace lum::core {

void CModifyingTablesSourceEvent::ClearSourceEventInfo()
{
    fnd::ISourceEvent::ClearSourceEventInfo();
    m_desc = m_draw = 0;
}

void CModifyingTablesSourceEvent::Raise(unsigned code, ITableItem* item)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    Notify(code, item);
}

void CModifyingTablesSourceEvent::TableItemDescInfoChanged(ITableItem* item)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    Notify(kDescInfoChanged, item);
    ++m_desc;
}

void CModifyingTablesSourceEvent::TableItemDrawInfoChanged(ITableItem* item)
{
    fnd::CModifyBracket bracket(GetContextEvent());
    Notify(kDrawInfoChanged, item);
    ++m_draw;
}

fnd::ISourceEvent* CModifyingTablesSourceEventType::CreateSourceEvent(fnd::IContextEvent* context) const
{
    return new (std::nothrow) CModifyingTablesSourceEvent(context, this);
}

void IModifyingTablesTargetEvent::Dispatch(unsigned code, void* data, IModifyingTablesTargetEvent* target)
{
    if (!target)
        return;
    auto* item = static_cast<ITableItem*>(data);
    switch (code) {
    case CModifyingTablesSourceEvent::kAdded: target->OnTableItemAdded(item); break;
    case CModifyingTablesSourceEvent::kRemoved: target->OnTableItemRemoved(item); break;
    case CModifyingTablesSourceEvent::kChanging: target->OnTableItemChanging(item); break;
    case CModifyingTablesSourceEvent::kDescInfoChanged: target->OnTableItemDescInfoChanged(item); break;
    case CModifyingTablesSourceEvent::kDrawInfoChanged: target->OnTableItemDrawInfoChanged(item); break;
    default: break;
    }
}

CModifyingTablesSourceEventType* GetModifyingTablesSourceEventType()
{
    static CModifyingTablesSourceEventType type;
    return &type;
}

bool IsModifyingTablesSourceEvent(int index)
{
    return index >= 0 && index == GetModifyingTablesSourceEventType()->GetIndex();
}

CModifyingTablesSourceEvent* GetModifyingTablesSourceEvent(fnd::IContextEvent* ctx)
{
    const int index = GetModifyingTablesSourceEventType()->GetIndex();
    if (!ctx || index < 0)
        return nullptr;
    return dynamic_cast<CModifyingTablesSourceEvent*>(ctx->GetSourceEvent(index));
}

void TableItemAdded(fnd::IContextEvent* ctx, ITableItem* item)
{
    if (auto* s = GetModifyingTablesSourceEvent(ctx)) s->TableItemAdded(item);
}
void TableItemRemoved(fnd::IContextEvent* ctx, ITableItem* item)
{
    if (auto* s = GetModifyingTablesSourceEvent(ctx)) s->TableItemRemoved(item);
}
void TableItemChanging(fnd::IContextEvent* ctx, ITableItem* item)
{
    if (auto* s = GetModifyingTablesSourceEvent(ctx)) s->TableItemChanging(item);
}
void TableItemDescInfoChanged(fnd::IContextEvent* ctx, ITableItem* item)
{
    if (auto* s = GetModifyingTablesSourceEvent(ctx)) s->TableItemDescInfoChanged(item);
}
void TableItemDrawInfoChanged(fnd::IContextEvent* ctx, ITableItem* item)
{
    if (auto* s = GetModifyingTablesSourceEvent(ctx)) s->TableItemDrawInfoChanged(item);
}
bool HasTableItemDescInfoChanged(fnd::IContextEvent* ctx)
{
    const auto* s = GetModifyingTablesSourceEvent(ctx);
    return s && s->HasTableItemDescInfoChanged();
}
bool HasTableItemDrawInfoChanged(fnd::IContextEvent* ctx)
{
    const auto* s = GetModifyingTablesSourceEvent(ctx);
    return s && s->HasTableItemDrawInfoChanged();
}

}  // namespace lum::core
