// The free creation functions of entities: each calls the data's entity factory with the
// remaining arguments and returns one reference for the caller.
#pragma once

#include "lum1core_export.h"

#include "EntFwd.h"

#include "fnd/String.h"
#include "fnd/geom/Curve.h"

#include <cstdint>
#include <vector>

namespace lum::core {

class CBlock;
class CData;
class CLayer;
class CLtype;
class IBlock;
class TEXT_3D;
struct HATCH_TYPE;



LUM1CORE_API CEntPnt* CreateEntPnt(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D& p, std::uint32_t h);
LUM1CORE_API CEntLine* CreateEntLine(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::LINE_3D& g, std::uint32_t h);
LUM1CORE_API CEntCircle* CreateEntCircle(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::CIRCLE_3D& g, std::uint32_t h);
LUM1CORE_API CEntArc* CreateEntArc(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARC_3D& g, std::uint32_t h);
LUM1CORE_API CEntEllipse* CreateEntEllipse(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARCELLIPSE_3D& g, std::uint32_t h);
LUM1CORE_API CEnt3DFace* CreateEnt3DFace(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::PNT_3D corners[4], std::uint32_t flags, std::uint32_t h);
LUM1CORE_API CEntPolyline3D* CreateEntPolyline3D(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, std::uint16_t curve, std::uint32_t flags, std::uint32_t h);
LUM1CORE_API CEntPolyline2D* CreateEntPolyline2D(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, double elevation, std::uint16_t curve, std::uint32_t flags, std::uint32_t h);
LUM1CORE_API CEntText* CreateEntText(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text, std::uint32_t h);
LUM1CORE_API CEntAttdef* CreateEntAttdef(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                                         const fnd::String& value, const fnd::String& prompt, std::uint32_t flags, std::uint32_t h);
LUM1CORE_API CEntAttrib* CreateEntAttrib(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                                         const fnd::String& tag, std::uint32_t flags, std::uint32_t h);
// Row count before column count.
LUM1CORE_API CEntInsert* CreateEntInsert(const CData* d, CLayer* l, CLtype* t, std::uint16_t c, IBlock* block, const fnd::geom::PNT_3D& p,
                                         double sx, double sy, double sz, double rotate, std::uint16_t rows,
                                         std::uint16_t cols, double colSpacing, double rowSpacing, std::uint32_t h);
LUM1CORE_API CEntHatch* CreateEntHatch(CData* d, CLayer* l, CLtype* t, std::uint16_t c, const fnd::String& blockName,
                                       const HATCH_TYPE* pattern, double scale, double rotate,
                                       const std::vector<fnd::geom::PNT_3D>& points, std::uint32_t h);

}  // namespace lum::core
