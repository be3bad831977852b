#include "lum/core/Ent.h"

#include "lum/core/EntSite.h"
#include "lum/core/Layer.h"
#include "lum/core/Ltype.h"

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

}  // namespace lum::core
