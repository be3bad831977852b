#include "lum/core/TableItem.h"

#include "lum/core/Drawing.h"
#include "lum/core/ModifyingTablesEvent.h"

namespace lum::core {

ITableItem::ITableItem(const fnd::String& name, std::uint32_t flags, std::uint32_t handle)
    : IHandleObject(handle), m_name(name), m_flags(flags)
{
}

void ITableItem::SetPrivate(bool on)
{
    m_flags = on ? (m_flags | kPrivate) : (m_flags & ~kPrivate);
}

void ITableItem::AddEntity()
{
    AddReference();
    ++m_entities;
}

void ITableItem::SubEntity()
{
    if (m_entities == 0)
        return;
    --m_entities;
    SubReference();
}

void ITableItem::OnInsertTable(IHandleTable* table)
{
    if (!table || m_table)
        return;
    AcquireHandle(table);  // a refusal throws before anything changed
    m_table = table;
}

void ITableItem::OnRemoveTable()
{
    if (!m_table)
        return;
    ReleaseHandle(m_table);
    m_table = nullptr;
}

IDrawing* ITableItem::GetDrawing() const { return m_table ? m_table->GetDrawing() : nullptr; }

fnd::IContextEvent* ITableItem::GetContextEvent() const
{
    const IDrawing* d = GetDrawing();
    return d ? d->GetContextEvent() : nullptr;
}

bool ITableItem::IsXRef() const
{
    const IDrawing* d = GetDrawing();
    return d && d->IsXRef();
}

const fnd::String& ITableItem::GetFullName() const
{
    if (IsXRef())
        m_fullName = GetDrawing()->GetName() + fnd::String("|") + m_name;
    else
        m_fullName = m_name;
    return m_fullName;
}

void ITableItem::SetName(const fnd::String& name)
{
    if (name == m_name)
        return;
    CModifyingTableItem guard(this);
    DoSetName(name);
}

bool ITableItem::Equals(const ITableItem* other) const
{
    return other && m_name.EqualsNoCase(other->m_name) && m_flags == other->m_flags;
}

void ITableItem::DoSetName(const fnd::String& name)
{
    if (name == m_name)
        return;
    fnd::String old = std::move(m_name);
    m_name = name;
    if (m_table)
        m_table->OnItemRenamed(this, old);
}

CModifyingTableItem::CModifyingTableItem(ITableItem* item) : m_item(item)
{
    if (!m_item || !m_item->IsInserted())
        return;
    m_context = m_item->GetContextEvent();
    if (m_context) {
        m_context->BeginModify();
        TableItemChanging(m_context, m_item);
    }
}

void CModifyingTableItem::DrawInfoChanged()
{
    if (m_item && m_item->GetEntities() != 0)
        m_draw = true;
}

CModifyingTableItem::~CModifyingTableItem()
{
    if (!m_context)
        return;
    if (m_draw)
        TableItemDrawInfoChanged(m_context, m_item);
    else
        TableItemDescInfoChanged(m_context, m_item);
    m_context->EndModify();
}

}  // namespace lum::core
