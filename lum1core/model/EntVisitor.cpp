#include "lum/core/EntVisitor.h"

#include "lum/core/EntHatch.h"
#include "lum/core/EntText.h"

namespace lum::core {

void IEntInheritVisitor::visit(CEntAttrib& e) { visit(static_cast<CEntText&>(e)); }
void IEntInheritVisitor::visit(CEntAttdef& e) { visit(static_cast<CEntText&>(e)); }
void IEntInheritVisitor::visit(CEntHatch& e) { visit(static_cast<CEntInsert&>(e)); }
void IConstEntInheritVisitor::visit(const CEntAttrib* e) { visit(static_cast<const CEntText*>(e)); }
void IConstEntInheritVisitor::visit(const CEntAttdef* e) { visit(static_cast<const CEntText*>(e)); }
void IConstEntInheritVisitor::visit(const CEntHatch* e) { visit(static_cast<const CEntInsert*>(e)); }

#define LUM_GET_IMPL(Name, Kind, Getter, Cast) \
    Kind* Name::Getter(CEnt* ent)              \
    {                                          \
        m_found = nullptr;                     \
        if (ent)                               \
            ent->Accept(*this);                \
        return m_found;                        \
    }                                          \
    Kind* Cast(CEnt* ent) { return Name().Getter(ent); }

LUM_GET_IMPL(CGetPntVisitor, CEntPnt, GetPnt, CastPnt)
LUM_GET_IMPL(CGetLineVisitor, CEntLine, GetLine, CastLine)
LUM_GET_IMPL(CGetCircleVisitor, CEntCircle, GetCircle, CastCircle)
LUM_GET_IMPL(CGetArcVisitor, CEntArc, GetArc, CastArc)
LUM_GET_IMPL(CGetPolyline3DVisitor, CEntPolyline3D, GetPolyline3D, CastPolyline3D)
LUM_GET_IMPL(CGetPolyline2DVisitor, CEntPolyline2D, GetPolyline2D, CastPolyline2D)
LUM_GET_IMPL(CGetTextVisitor, CEntText, GetText, CastText)
LUM_GET_IMPL(CGetAttdefVisitor, CEntAttdef, GetAttdef, CastAttdef)
LUM_GET_IMPL(CGetAttribVisitor, CEntAttrib, GetAttrib, CastAttrib)
LUM_GET_IMPL(CGetHatchVisitor, CEntHatch, GetHatch, CastHatch)
LUM_GET_IMPL(CGet3DFaceVisitor, CEnt3DFace, Get3DFace, Cast3DFace)
#undef LUM_GET_IMPL

}  // namespace lum::core
