#include "lum/core/EntFactory.h"

#include "NewObject.h"
#include "lum/core/Ent3DFace.h"
#include "lum/core/EntCurves.h"
#include "lum/core/EntHatch.h"
#include "lum/core/EntPolyline.h"
#include "lum/core/EntText.h"

namespace lum::core {

CEntFactory* CEntFactory::Create()
{
    return detail::NewOrThrow([] { return new CEntFactory; });
}

CEntPnt* CEntFactory::CreateEntPnt(const CEntPnt* s) { return CEntPnt::Create(s); }
CEntPnt* CEntFactory::CreateEntPnt(CLayer* l, CLtype* t, std::uint16_t c, const PNT_3D& p, std::uint32_t h) { return CEntPnt::Create(l, t, c, p, h); }
CEntLine* CEntFactory::CreateEntLine(const CEntLine* s) { return CEntLine::Create(s); }
CEntLine* CEntFactory::CreateEntLine(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::LINE_3D& g, std::uint32_t h) { return CEntLine::Create(l, t, c, g, h); }
CEntCircle* CEntFactory::CreateEntCircle(const CEntCircle* s) { return CEntCircle::Create(s); }
CEntCircle* CEntFactory::CreateEntCircle(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::CIRCLE_3D& g, std::uint32_t h) { return CEntCircle::Create(l, t, c, g, h); }
CEntArc* CEntFactory::CreateEntArc(const CEntArc* s) { return CEntArc::Create(s); }
CEntArc* CEntFactory::CreateEntArc(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARC_3D& g, std::uint32_t h) { return CEntArc::Create(l, t, c, g, h); }
CEntPolyline3D* CEntFactory::CreateEntPolyline3D(const CEntLine* s) { return CEntPolyline3D::Create(s); }
CEntPolyline3D* CEntFactory::CreateEntPolyline3D(const CEntPolyline3D* s) { return CEntPolyline3D::Create(s); }
CEntPolyline3D* CEntFactory::CreateEntPolyline3D(CLayer* l, CLtype* t, std::uint16_t c, std::uint16_t curve,
                                                 std::uint32_t flags, std::uint32_t h)
{
    return CEntPolyline3D::Create(l, t, c, flags, curve, h);
}
CEntPolyline2D* CEntFactory::CreateEntPolyline2D(const CEntPolyline2D* s) { return CEntPolyline2D::Create(s); }
CEntPolyline2D* CEntFactory::CreateEntPolyline2D(CLayer* l, CLtype* t, std::uint16_t c, double e, std::uint16_t curve,
                                                 std::uint32_t flags, std::uint32_t h)
{
    return CEntPolyline2D::Create(l, t, c, e, flags, curve, h);
}
CEntText* CEntFactory::CreateEntText(const CEntText* s) { return CEntText::Create(s); }
CEntText* CEntFactory::CreateEntText(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& x, std::uint32_t h) { return CEntText::Create(l, t, c, x, h); }
CEntAttdef* CEntFactory::CreateEntAttdef(const CEntAttdef* s) { return CEntAttdef::Create(s); }
CEntAttdef* CEntFactory::CreateEntAttdef(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& x,
                                         const fnd::String& v, const fnd::String& p, std::uint32_t f, std::uint32_t h)
{
    return CEntAttdef::Create(l, t, c, x, v, p, f, h);
}
CEntInsert* CEntFactory::CreateEntInsert(const CEntInsert* s) { return CEntInsert::Create(this, s); }
CEntInsert* CEntFactory::CreateEntInsert(CLayer* l, CLtype* t, std::uint16_t c, IBlock* b, const PNT_3D& p,
                                         double sx, double sy, double sz, double r, std::uint16_t rows,
                                         std::uint16_t cols, double cs, double rs, std::uint32_t h)
{
    return CEntInsert::Create(l, t, c, b, p, sx, sy, sz, r, rows, cols, cs, rs, h);
}
CEntAttrib* CEntFactory::CreateEntAttrib(const CEntAttrib* s) { return CEntAttrib::Create(s); }
CEntAttrib* CEntFactory::CreateEntAttrib(const CEntAttdef* d, const fnd::String& v) { return CEntAttrib::Create(d, v); }
CEntAttrib* CEntFactory::CreateEntAttrib(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& x,
                                         const fnd::String& tag, std::uint32_t f, std::uint32_t h)
{
    return CEntAttrib::Create(l, t, c, x, tag, f, h);
}
CEntHatch* CEntFactory::CreateEntHatch(CData* d, const CEntHatch* s) { return CEntHatch::Create(d, s); }
CEntHatch* CEntFactory::CreateEntHatch(CLayer* l, CLtype* t, std::uint16_t c, const fnd::String& n,
                                       const HATCH_TYPE* pt, double sc, double r, const std::vector<PNT_3D>& pts,
                                       CData* d, std::uint32_t h)
{
    return CEntHatch::Create(l, t, c, n, pt, sc, r, pts, d, h);
}
CEntHatch* CEntFactory::CreateEntHatch(CLayer* l, CLtype* t, std::uint16_t c, CBlock* b, const HATCH_TYPE* pt,
                                       double sc, double r, const std::vector<PNT_3D>& pts, std::uint32_t h)
{
    return CEntHatch::Create(l, t, c, b, pt, sc, r, pts, h);
}
CEnt3DFace* CEntFactory::CreateEnt3DFace(const CEnt3DFace* s) { return CEnt3DFace::Create(s); }
CEnt3DFace* CEntFactory::CreateEnt3DFace(CLayer* l, CLtype* t, std::uint16_t c, const PNT_3D corners[4],
                                         std::uint32_t f, std::uint32_t h)
{
    return CEnt3DFace::Create(l, t, c, corners, f, h);
}
CEntEllipse* CEntFactory::CreateEntEllipse(const CEntEllipse* s) { return CEntEllipse::Create(s); }
CEntEllipse* CEntFactory::CreateEntEllipse(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARCELLIPSE_3D& g,
                                           std::uint32_t h)
{
    return CEntEllipse::Create(l, t, c, g, h);
}

}  // namespace lum::core
