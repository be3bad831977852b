#include "lum/core/Layer.h"

#include "NewObject.h"
#include "lum/core/TableItemMementos.h"

namespace lum::core {

CLayer::CLayer(const fnd::String& name, CLtype* ltype, std::uint16_t color, std::uint32_t flags,
               std::uint32_t handle)
    : ITableItem(name, flags & kFlagMask, handle), m_ltype(ltype), m_color(color)
{
}

CLayer* CLayer::Create(const fnd::String& name, CLtype* ltype, std::uint16_t color,
                       std::uint32_t flags, std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CLayer(name, ltype, color, flags, handle); });
}

CLayer* CLayer::Create(const fnd::String& name, const CLayer* src)
{
    if (!src)
        return nullptr;
    return Create(name, src->m_ltype.get(), src->m_color, src->GetFlags(), 0);
}

void CLayer::AssertValid() const
{
    if (m_color < 1 || m_color > 255)
        throw fnd::CVariableNotInitializedException("m_iColor");
}

bool CLayer::Equals(const CLayer* o) const
{
    return ITableItem::Equals(o) && m_ltype.get() == o->m_ltype.get() && m_color == o->m_color;
}

void CLayer::SetLayer(const fnd::String& name, CLtype* ltype, std::uint16_t color, std::uint32_t flags)
{
    const std::uint32_t newFlags = (GetFlags() & ~kFlagMask) | flags;
    CModifyingTableItem guard(this);
    if (ltype != m_ltype.get() || color != m_color || newFlags != GetFlags())
        guard.DrawInfoChanged();
    DoSetName(name);
    if (ltype != m_ltype.get()) {
        if (IsInserted()) {
            if (ltype) ltype->AddLayer();
            if (m_ltype) m_ltype->SubLayer();
        }
        m_ltype.reset(ltype);
    }
    m_color = color;
    DoSetFlags(newFlags);
}

void CLayer::SetFlagBit(std::uint32_t bit, bool on, bool drawChange)
{
    if (((GetFlags() & bit) != 0) == on)
        return;
    CModifyingTableItem guard(this);
    if (drawChange)
        guard.DrawInfoChanged();
    DoSetFlags(on ? (GetFlags() | bit) : (GetFlags() & ~bit));
}

void CLayer::SetOff(bool on) { SetFlagBit(kOff, on, true); }
void CLayer::SetFrozen(bool on) { SetFlagBit(kFrozen, on, true); }
void CLayer::SetLocked(bool on) { SetFlagBit(kLocked, on, false); }

void CLayer::OnInsertTable(IHandleTable* table)
{
    const bool wasFree = !IsInserted();
    ITableItem::OnInsertTable(table);
    if (wasFree && IsInserted() && m_ltype)
        m_ltype->AddLayer();
}

void CLayer::OnRemoveTable()
{
    if (!IsInserted())
        return;
    if (m_ltype)
        m_ltype->SubLayer();
    ITableItem::OnRemoveTable();
}

fnd::IMemento* CLayer::CreateMemento() const { return CLayerMemento::Create(this); }

bool CLayer::HasChanged(const fnd::IMemento* memento) const
{
    const auto* m = dynamic_cast<const CLayerMemento*>(memento);
    if (!m)
        return true;
    return m->BaseChanged(this) || m->GetLtype() != m_ltype.get() || m->GetColor() != m_color;
}

void CLayer::OnSetMemento(fnd::IMemento* memento)
{
    const auto* m = dynamic_cast<const CLayerMemento*>(memento);
    if (!m)
        return;
    SetLayer(m->GetName(), m->GetLtype(), m->GetColor(), m->GetFlags());
}

CLayer0::CLayer0(CLtype* ltype, std::uint16_t color, std::uint32_t flags, std::uint32_t handle)
    : CLayer("0", ltype, color, flags, handle)
{
}

CLayer0* CLayer0::Create(CLtype* ltype, std::uint16_t color, std::uint32_t flags, std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CLayer0(ltype, color, flags, handle); });
}

void CLayer0::AssertValid() const
{
    CLayer::AssertValid();
    if (!(GetName() == "0"))
        throw fnd::CVariableNotInitializedException("CLayer0.m_sName");
}

}  // namespace lum::core
