// Visitors over the entity kinds, the typed-access visitors and the cast functions. A
// cast yields the entity only when it is exactly that kind (an attribute is not a text).
#pragma once

#include "lum1core_export.h"

#include "EntFwd.h"

namespace lum::core {

class LUM1CORE_API IEntVisitor {
public:
    virtual ~IEntVisitor() = default;
    virtual void visit(CEnt3DFace&) {}
    virtual void visit(CEntHatch&) {}
    virtual void visit(CEntAttrib&) {}
    virtual void visit(CEntInsert&) {}
    virtual void visit(CEntAttdef&) {}
    virtual void visit(CEntText&) {}
    virtual void visit(CEntPolyline2D&) {}
    virtual void visit(CEntPolyline3D&) {}
    virtual void visit(CEntEllipse&) {}
    virtual void visit(CEntArc&) {}
    virtual void visit(CEntCircle&) {}
    virtual void visit(CEntLine&) {}
    virtual void visit(CEntPnt&) {}
};

class LUM1CORE_API IConstEntVisitor {
public:
    virtual ~IConstEntVisitor() = default;
    virtual void visit(const CEnt3DFace*) {}
    virtual void visit(const CEntHatch*) {}
    virtual void visit(const CEntAttrib*) {}
    virtual void visit(const CEntInsert*) {}
    virtual void visit(const CEntAttdef*) {}
    virtual void visit(const CEntText*) {}
    virtual void visit(const CEntPolyline2D*) {}
    virtual void visit(const CEntPolyline3D*) {}
    virtual void visit(const CEntEllipse*) {}
    virtual void visit(const CEntArc*) {}
    virtual void visit(const CEntCircle*) {}
    virtual void visit(const CEntLine*) {}
    virtual void visit(const CEntPnt*) {}
};

// Attributes and attribute definitions reach the text slot, hatches the insert slot.
class LUM1CORE_API IEntInheritVisitor : public IEntVisitor {
public:
    using IEntVisitor::visit;
    void visit(CEntAttrib& e) override;
    void visit(CEntAttdef& e) override;
    void visit(CEntHatch& e) override;
};

class LUM1CORE_API IConstEntInheritVisitor : public IConstEntVisitor {
public:
    using IConstEntVisitor::visit;
    void visit(const CEntAttrib* e) override;
    void visit(const CEntAttdef* e) override;
    void visit(const CEntHatch* e) override;
};

#define LUM_GET_VISITOR(Name, Kind, Getter)                     \
    class LUM1CORE_API Name : public IEntVisitor {              \
    public:                                                     \
        using IEntVisitor::visit;                               \
        void visit(Kind& e) override { m_found = &e; }          \
        Kind* Getter(CEnt* ent);                                \
                                                                \
    private:                                                    \
        Kind* m_found = nullptr;                                \
    };

LUM_GET_VISITOR(CGetPntVisitor, CEntPnt, GetPnt)
LUM_GET_VISITOR(CGetLineVisitor, CEntLine, GetLine)
LUM_GET_VISITOR(CGetCircleVisitor, CEntCircle, GetCircle)
LUM_GET_VISITOR(CGetArcVisitor, CEntArc, GetArc)
LUM_GET_VISITOR(CGetPolyline3DVisitor, CEntPolyline3D, GetPolyline3D)
LUM_GET_VISITOR(CGetPolyline2DVisitor, CEntPolyline2D, GetPolyline2D)
LUM_GET_VISITOR(CGetTextVisitor, CEntText, GetText)
LUM_GET_VISITOR(CGetAttdefVisitor, CEntAttdef, GetAttdef)
LUM_GET_VISITOR(CGetAttribVisitor, CEntAttrib, GetAttrib)
LUM_GET_VISITOR(CGetHatchVisitor, CEntHatch, GetHatch)
LUM_GET_VISITOR(CGet3DFaceVisitor, CEnt3DFace, Get3DFace)
#undef LUM_GET_VISITOR

LUM1CORE_API CEntPnt* CastPnt(CEnt* ent);
LUM1CORE_API CEntLine* CastLine(CEnt* ent);
LUM1CORE_API CEntCircle* CastCircle(CEnt* ent);
LUM1CORE_API CEntArc* CastArc(CEnt* ent);
LUM1CORE_API CEntPolyline3D* CastPolyline3D(CEnt* ent);
LUM1CORE_API CEntPolyline2D* CastPolyline2D(CEnt* ent);
LUM1CORE_API CEntText* CastText(CEnt* ent);
LUM1CORE_API CEntAttdef* CastAttdef(CEnt* ent);
LUM1CORE_API CEntAttrib* CastAttrib(CEnt* ent);
LUM1CORE_API CEntHatch* CastHatch(CEnt* ent);
LUM1CORE_API CEnt3DFace* Cast3DFace(CEnt* ent);

}  // namespace lum::core
