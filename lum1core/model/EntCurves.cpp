#include "lum/core/EntCurves.h"

#include "EntKindMacros.h"

namespace lum::core {

CEntPnt* CEntPnt::Create(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D& p,
                         std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntPnt(l, t, c, p, h); });
}
LUM_ENT_COPY(CEntPnt)
LUM_ENT_ACCEPT(CEntPnt)
LUM_ENT_GEOM_MEMENTO(CEntPnt, m_pnt)

void CEntPnt::SetPnt(const fnd::geom::PNT_3D& p)
{
    CModifyingEnt guard(this);
    m_pnt = p;
}

CEntLine* CEntLine::Create(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::LINE_3D& g,
                           std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntLine(l, t, c, g, h); });
}
LUM_ENT_COPY(CEntLine)
LUM_ENT_ACCEPT(CEntLine)
LUM_ENT_GEOM_MEMENTO(CEntLine, m_line)

void CEntLine::SetLine(const fnd::geom::LINE_3D& g)
{
    CModifyingEnt guard(this);
    m_line = g;
}

CEntCircle* CEntCircle::Create(CLayer* l, CLtype* t, std::uint16_t c,
                               const fnd::geom::CIRCLE_3D& g, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntCircle(l, t, c, g, h); });
}
LUM_ENT_COPY(CEntCircle)
LUM_ENT_ACCEPT(CEntCircle)
LUM_ENT_GEOM_MEMENTO(CEntCircle, m_circle)

void CEntCircle::SetCircle(const fnd::geom::CIRCLE_3D& g)
{
    CModifyingEnt guard(this);
    m_circle = g;
}

void CEntCircle::SetCircle(const fnd::geom::VECTOR_3D& e, const fnd::geom::CIRCLE_3D& g)
{
    CModifyingEnt guard(this);
    m_extrusion = e;
    m_circle = g;
}

CEntArc* CEntArc::Create(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARC_3D& g,
                         std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntArc(l, t, c, g, h); });
}
LUM_ENT_COPY(CEntArc)
LUM_ENT_ACCEPT(CEntArc)
LUM_ENT_GEOM_MEMENTO(CEntArc, m_arc)

void CEntArc::SetArc(const fnd::geom::ARC_3D& g)
{
    CModifyingEnt guard(this);
    m_arc = g;
}

void CEntArc::SetArc(const fnd::geom::VECTOR_3D& e, const fnd::geom::ARC_3D& g)
{
    CModifyingEnt guard(this);
    m_extrusion = e;
    m_arc = g;
}

CEntEllipse* CEntEllipse::Create(CLayer* l, CLtype* t, std::uint16_t c,
                                 const fnd::geom::ARCELLIPSE_3D& g, std::uint32_t h)
{
    return detail::NewOrThrow([&] { return new CEntEllipse(l, t, c, g, h); });
}
LUM_ENT_COPY(CEntEllipse)
LUM_ENT_ACCEPT(CEntEllipse)
LUM_ENT_GEOM_MEMENTO(CEntEllipse, m_ellipse)

void CEntEllipse::SetEllipse(const fnd::geom::ARCELLIPSE_3D& g)
{
    CModifyingEnt guard(this);
    m_ellipse = g;
}

void CEntEllipse::SetEllipse(const fnd::geom::VECTOR_3D& e, const fnd::geom::ARCELLIPSE_3D& g)
{
    CModifyingEnt guard(this);
    m_extrusion = e;
    m_ellipse = g;
}

}  // namespace lum::core
