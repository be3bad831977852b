// CEntFactory — the factory of entities: one copy and one construction operation per
// entity kind, each forwarding to the kind's static Create. One reference for the caller.
#pragma once

#include "lum1core_export.h"

#include "EntFwd.h"

#include "fnd/RefCounter.h"
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

class LUM1CORE_API CEntFactory : public fnd::IRefCounter {
public:
    using PNT_3D = fnd::geom::PNT_3D;
    static CEntFactory* Create();
    fnd::String ToString() const override { return "CEntFactory"; }

    virtual CEntPnt* CreateEntPnt(const CEntPnt* src);
    virtual CEntPnt* CreateEntPnt(CLayer* l, CLtype* t, std::uint16_t c, const PNT_3D& p, std::uint32_t h);
    virtual CEntLine* CreateEntLine(const CEntLine* src);
    virtual CEntLine* CreateEntLine(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::LINE_3D& g, std::uint32_t h);
    virtual CEntCircle* CreateEntCircle(const CEntCircle* src);
    virtual CEntCircle* CreateEntCircle(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::CIRCLE_3D& g, std::uint32_t h);
    virtual CEntArc* CreateEntArc(const CEntArc* src);
    virtual CEntArc* CreateEntArc(CLayer* l, CLtype* t, std::uint16_t c, const fnd::geom::ARC_3D& g, std::uint32_t h);
    virtual CEntPolyline3D* CreateEntPolyline3D(const CEntLine* src);
    virtual CEntPolyline3D* CreateEntPolyline3D(const CEntPolyline3D* src);
    virtual CEntPolyline3D* CreateEntPolyline3D(CLayer* l, CLtype* t, std::uint16_t c, std::uint16_t curve,
                                                std::uint32_t flags, std::uint32_t h);
    virtual CEntPolyline2D* CreateEntPolyline2D(const CEntPolyline2D* src);
    virtual CEntPolyline2D* CreateEntPolyline2D(CLayer* l, CLtype* t, std::uint16_t c, double elevation,
                                                std::uint16_t curve, std::uint32_t flags, std::uint32_t h);
    virtual CEntText* CreateEntText(const CEntText* src);
    virtual CEntText* CreateEntText(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text, std::uint32_t h);
    virtual CEntAttdef* CreateEntAttdef(const CEntAttdef* src);
    virtual CEntAttdef* CreateEntAttdef(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                                        const fnd::String& value, const fnd::String& prompt,
                                        std::uint32_t flags, std::uint32_t h);
    virtual CEntInsert* CreateEntInsert(const CEntInsert* src);
    // Row count before column count.
    virtual CEntInsert* CreateEntInsert(CLayer* l, CLtype* t, std::uint16_t c, IBlock* block, const PNT_3D& p,
                                        double sx, double sy, double sz, double rotate, std::uint16_t rows,
                                        std::uint16_t cols, double colSpacing, double rowSpacing, std::uint32_t h);
    virtual CEntAttrib* CreateEntAttrib(const CEntAttrib* src);
    virtual CEntAttrib* CreateEntAttrib(const CEntAttdef* def, const fnd::String& value);
    virtual CEntAttrib* CreateEntAttrib(CLayer* l, CLtype* t, std::uint16_t c, const TEXT_3D& text,
                                        const fnd::String& tag, std::uint32_t flags, std::uint32_t h);
    virtual CEntHatch* CreateEntHatch(CData* data, const CEntHatch* src);
    virtual CEntHatch* CreateEntHatch(CLayer* l, CLtype* t, std::uint16_t c, const fnd::String& blockName,
                                      const HATCH_TYPE* pattern, double scale, double rotate,
                                      const std::vector<PNT_3D>& points, CData* data, std::uint32_t h);
    virtual CEntHatch* CreateEntHatch(CLayer* l, CLtype* t, std::uint16_t c, CBlock* block,
                                      const HATCH_TYPE* pattern, double scale, double rotate,
                                      const std::vector<PNT_3D>& points, std::uint32_t h);
    virtual CEnt3DFace* CreateEnt3DFace(const CEnt3DFace* src);
    virtual CEnt3DFace* CreateEnt3DFace(CLayer* l, CLtype* t, std::uint16_t c, const PNT_3D corners[4],
                                        std::uint32_t flags, std::uint32_t h);
    virtual CEntEllipse* CreateEntEllipse(const CEntEllipse* src);
    virtual CEntEllipse* CreateEntEllipse(CLayer* l, CLtype* t, std::uint16_t c,
                                          const fnd::geom::ARCELLIPSE_3D& g, std::uint32_t h);

protected:
    CEntFactory() = default;
};

}  // namespace lum::core
