#include "lum/core/Ent.h"

#include "fnd/Exceptions.h"
#include "lum/core/EntSite.h"
#include "lum/core/Layer.h"
#include "lum/core/Ltype.h"
#include "lum/core/ModifyingEnt.h"

namespace lum::core {

CEnt::CEnt(CLayer* layer, CLtype* ltype, std::uint16_t color, std::uint32_t handle)
    : IHandleObject(handle), m_layer(layer), m_ltype(ltype), m_color(color)
{
}

CEnt::CEnt(const CEnt& src)
    : IHandleObject(0), m_extrusion(src.m_extrusion),
      m_thickness(src.m_thickness), m_layer(src.m_layer), m_ltype(src.m_ltype),
      m_userType(src.m_userType), m_userData(src.m_userData), m_color(src.m_color),
      m_state(src.m_state & ~1u)
{
}

CEnt::~CEnt() = default;

void CEnt::AssertValid() const
{
    if (!fnd::TestValue(m_thickness))
        throw fnd::CVariableNotInitializedException("m_dThickness");
}

IHandleTable* CEnt::GetHandleTable() const { return m_site; }

fnd::IContextEvent* CEnt::GetContextEvent() const
{
    return m_site ? m_site->GetContextEvent() : nullptr;
}

void CEnt::OnInsertTable(IHandleTable* table)
{
    auto* site = dynamic_cast<IEntSite*>(table);
    if (!site || m_site)
        return;
    AcquireHandle(site);
    m_site = site;
    if (m_layer) m_layer->AddEntity();
    if (m_ltype) m_ltype->AddEntity();
}

void CEnt::OnRemoveTable()
{
    if (!m_site)
        return;
    if (m_ltype) m_ltype->SubEntity();
    if (m_layer) m_layer->SubEntity();
    ReleaseHandle(m_site);
    m_site = nullptr;
}

void CEnt::MoveCount(ITableItem* oldItem, ITableItem* newItem) const
{
    if (!m_site || oldItem == newItem)
        return;
    if (newItem) newItem->AddEntity();
    if (oldItem) oldItem->SubEntity();
}

void CEnt::SetColor(std::uint16_t color)
{
    CModifyingEnt guard(this);
    m_color = color;
}

void CEnt::SetExtrusion(const fnd::geom::VECTOR_3D& v)
{
    const double len = v.Length();
    if (len == 0.0)
        return;
    CModifyingEnt guard(this);
    m_extrusion = {v.x / len, v.y / len, v.z / len};
}

void CEnt::SetThickness(double thickness)
{
    CModifyingEnt guard(this);
    m_thickness = thickness;
}

void CEnt::SetLayer(CLayer* layer)
{
    if (!m_site) {
        m_layer.reset(layer);
        return;
    }
    CModifyingEnt guard(this);
    MoveCount(m_layer.get(), layer);
    m_layer.reset(layer);
}

void CEnt::SetLtype(CLtype* ltype)
{
    if (!m_site) {
        m_ltype.reset(ltype);
        return;
    }
    CModifyingEnt guard(this);
    MoveCount(m_ltype.get(), ltype);
    m_ltype.reset(ltype);
}

void CEnt::FillMemento(IEntMemento& m) const
{
    m.extrusion = m_extrusion;
    m.thickness = m_thickness;
    m.layer = m_layer;
    m.ltype = m_ltype;
    m.color = m_color;
    m.kind = GetType();
}

bool CEnt::BaseChanged(const IEntMemento& m) const
{
    return !(m.extrusion == m_extrusion) || m.thickness != m_thickness ||
           m.layer.get() != m_layer.get() || m.ltype.get() != m_ltype.get() || m.color != m_color;
}

void CEnt::RestoreBase(const IEntMemento& m)
{
    MoveCount(m_layer.get(), m.layer.get());
    MoveCount(m_ltype.get(), m.ltype.get());
    m_extrusion = m.extrusion;
    m_thickness = m.thickness;
    m_layer = m.layer;
    m_ltype = m.ltype;
    m_color = m.color;
}

}  // namespace lum::core
