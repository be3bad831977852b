#include "lum/core/EntFunctions.h"

#include "lum/core/Data.h"
#include "lum/core/EntFactory.h"

namespace lum::core {

namespace {
CEntFactory* F(const CData* d) { return d->GetEntFactory(); }
}  // namespace

CEntPnt* CreateEntPnt(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D& p, std::uint32_t h) { return F(d)->CreateEntPnt(l, t, c, p, h); }
CEntLine* CreateEntLine(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::LINE_3D& g, std::uint32_t h) { return F(d)->CreateEntLine(l, t, c, g, h); }
CEntCircle* CreateEntCircle(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::CIRCLE_3D& g, std::uint32_t h) { return F(d)->CreateEntCircle(l, t, c, g, h); }
CEntArc* CreateEntArc(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARC_3D& g, std::uint32_t h) { return F(d)->CreateEntArc(l, t, c, g, h); }
CEntEllipse* CreateEntEllipse(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARCELLIPSE_3D& g, std::uint32_t h) { return F(d)->CreateEntEllipse(l, t, c, g, h); }
CEnt3DFace* CreateEnt3DFace(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D corners[4], std::uint32_t f, std::uint32_t h) { return F(d)->CreateEnt3DFace(l, t, c, corners, f, h); }
CEntPolyline3D* CreateEntPolyline3D(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, std::uint16_t curve, std::uint32_t f, std::uint32_t h) { return F(d)->CreateEntPolyline3D(l, t, c, curve, f, h); }
CEntPolyline2D* CreateEntPolyline2D(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, double e, std::uint16_t curve, std::uint32_t f, std::uint32_t h) { return F(d)->CreateEntPolyline2D(l, t, c, e, curve, f, h); }
CEntText* CreateEntText(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& x, std::uint32_t h) { return F(d)->CreateEntText(l, t, c, x, h); }
CEntAttdef* CreateEntAttdef(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& x, const fnd::String& v,
                            const fnd::String& p, std::uint32_t f, std::uint32_t h)
{
    return F(d)->CreateEntAttdef(l, t, c, x, v, p, f, h);
}
CEntAttrib* CreateEntAttrib(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& x, const fnd::String& tag,
                            std::uint32_t f, std::uint32_t h)
{
    return F(d)->CreateEntAttrib(l, t, c, x, tag, f, h);
}
CEntInsert* CreateEntInsert(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, IBlock* b, const fnd::geom::PNT_3D& p, double sx,
                            double sy, double sz, double r, std::uint16_t rows, std::uint16_t cols, double cs, double rs,
                            std::uint32_t h)
{
    return F(d)->CreateEntInsert(l, t, c, b, p, sx, sy, sz, r, rows, cols, cs, rs, h);
}
CEntHatch* CreateEntHatch(CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::String& n, const HATCH_TYPE* pt,
                          double sc, double r, const std::vector<fnd::geom::PNT_3D>& pts, std::uint32_t h)
{
    return F(d)->CreateEntHatch(l, t, c, n, pt, sc, r, pts, d, h);
}

}  // namespace lum::core
