#include "lum/core/Ltype.h"

#include "NewObject.h"
#include "lum/core/TableItemMementos.h"

namespace lum::core {

CLtype::CLtype(const fnd::String& name, const fnd::String& desc, const CLtypeComplexDashSeq& dashes,
               std::uint32_t flags, std::uint32_t handle)
    : ITableItem(name, flags & kFlagMask, handle), m_dashes(dashes), m_desc(desc)
{
}

CLtype* CLtype::Create(const fnd::String& name, const fnd::String& desc,
                       const CLtypeComplexDashSeq& dashes, std::uint32_t flags, std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CLtype(name, desc, dashes, flags, handle); });
}

CLtype* CLtype::Create(const fnd::String& name, const fnd::String& desc, const double* dashes,
                       unsigned count, std::uint32_t flags, std::uint32_t handle)
{
    CLtypeComplexDashSeq seq;
    for (unsigned i = 0; dashes && i < count; ++i)
        seq.AddDashDouble(dashes[i]);
    return Create(name, desc, seq, flags, handle);
}

CLtype* CLtype::Create(const fnd::String& name, const CLtype* src)
{
    if (!src)
        return nullptr;
    return Create(name, src->m_desc, src->m_dashes, src->GetFlags(), 0);
}

void CLtype::AssertValid() const
{
    if (m_layers >= 1001)
        throw fnd::CVariableNotInitializedException("m_iNoLayers");
}

void CLtype::AddDashDouble(double value)
{
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    m_dashes.AddDashDouble(value);
}

void CLtype::AddDashText(const TEXT_3D& text)
{
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    m_dashes.AddDashText(text);
}

void CLtype::ClearDashes()
{
    CModifyingTableItem guard(this);
    guard.DrawInfoChanged();
    m_dashes.ClearDashes();
}

void CLtype::Copy(const CLtype* src)
{
    if (!src || src == this)
        return;
    CModifyingTableItem guard(this);
    if (!(m_dashes == src->m_dashes))
        guard.DrawInfoChanged();
    m_desc = src->m_desc;
    m_dashes = src->m_dashes;
    DoSetFlags((GetFlags() & ~kFlagMask) | (src->GetFlags() & kFlagMask));
}

void CLtype::SetLtype(const fnd::String& name, const fnd::String& desc, std::uint32_t flags)
{
    CModifyingTableItem guard(this);
    DoSetName(name);
    m_desc = desc;
    DoSetFlags((GetFlags() & ~kFlagMask) | flags);
}

bool CLtype::Equals(const CLtype* o) const
{
    return ITableItem::Equals(o) && m_desc == o->m_desc && GetNoDashes() == o->GetNoDashes();
}

void CLtype::AddLayer()
{
    AddReference();
    ++m_layers;
}

void CLtype::SubLayer()
{
    if (m_layers == 0)
        return;
    --m_layers;
    SubReference();
}

fnd::IMemento* CLtype::CreateMemento() const { return CLtypeMemento::Create(this); }

bool CLtype::HasChanged(const fnd::IMemento* memento) const
{
    const auto* m = dynamic_cast<const CLtypeMemento*>(memento);
    if (!m)
        return true;
    return m->BaseChanged(this) || !(m->GetDesc() == m_desc) ||
           m->GetPatternLen() != GetPatternLen() || !(m->GetDashes()->GetSeq() == m_dashes);
}

void CLtype::OnSetMemento(fnd::IMemento* memento)
{
    const auto* m = dynamic_cast<const CLtypeMemento*>(memento);
    if (!m)
        return;
    CModifyingTableItem guard(this);
    if (!(m->GetDashes()->GetSeq() == m_dashes))
        guard.DrawInfoChanged();
    DoSetName(m->GetName());
    DoSetFlags(m->GetFlags());
    m_desc = m->GetDesc();
    m_dashes.SetMemento(m->GetDashes());
}

}  // namespace lum::core
