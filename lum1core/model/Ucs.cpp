#include "lum/core/Ucs.h"

#include "NewObject.h"
#include "lum/core/TableItemMementos.h"

namespace lum::core {

CUcs::CUcs(const fnd::String& name, const fnd::geom::CRightRefSys& refSys, std::uint32_t flags,
           std::uint32_t handle)
    : ITableItem(name, flags & kFlagMask, handle), m_refSys(refSys)
{
}

CUcs* CUcs::Create(const fnd::String& name, const fnd::geom::PNT_3D& origin,
                   const fnd::geom::VECTOR_3D& xAxis, const fnd::geom::VECTOR_3D& yAxis,
                   std::uint32_t handle)
{
    return detail::NewOrThrow([&] {
        return new CUcs(name, fnd::geom::CRightRefSys(origin, xAxis, yAxis), 0, handle);
    });
}

CUcs* CUcs::Create(const fnd::String& name, const CUcs* src)
{
    if (!src)
        return nullptr;
    return detail::NewOrThrow([&] { return new CUcs(name, src->m_refSys, src->GetFlags(), 0); });
}

bool CUcs::Equals(const CUcs* o) const { return ITableItem::Equals(o) && m_refSys == o->m_refSys; }

void CUcs::SetUcs(const fnd::String& name, const fnd::geom::CRightRefSys& refSys)
{
    CModifyingTableItem guard(this);
    DoSetName(name);
    m_refSys = refSys;
}

fnd::IMemento* CUcs::CreateMemento() const { return CUcsMemento::Create(this); }

bool CUcs::HasChanged(const fnd::IMemento* memento) const
{
    const auto* m = dynamic_cast<const CUcsMemento*>(memento);
    if (!m)
        return true;
    return m->BaseChanged(this) || !(m->GetRefSys() == m_refSys);
}

void CUcs::OnSetMemento(fnd::IMemento* memento)
{
    const auto* m = dynamic_cast<const CUcsMemento*>(memento);
    if (!m)
        return;
    DoSetName(m->GetName());
    DoSetFlags(m->GetFlags());
    m_refSys = m->GetRefSys();
}

}  // namespace lum::core
