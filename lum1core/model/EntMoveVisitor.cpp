#include "lum/core/EntMoveVisitor.h"

#include "fnd/geom/Ecs.h"
#include "lum/core/Ent3DFace.h"
#include "lum/core/EntCurves.h"
#include "lum/core/EntHatch.h"
#include "lum/core/EntPolyline.h"
#include "lum/core/EntText.h"
#include "lum/core/ModifyingEnt.h"

namespace lum::core {

fnd::geom::VECTOR_3D CEntMoveVisitor::InEcs(const CEnt& e) const
{
    if (!e.HasECS())
        return m_d;
    const fnd::geom::CEcs ecs(e.GetExtrusion());
    return {ecs.GetXAxis().Dot(m_d), ecs.GetYAxis().Dot(m_d), ecs.GetZAxis().Dot(m_d)};
}

void CEntMoveVisitor::visit(CEntPnt& e)
{
    fnd::geom::PNT_3D p = e.GetPnt();
    p.move(m_d);
    e.SetPnt(p);
}

void CEntMoveVisitor::visit(CEntLine& e)
{
    fnd::geom::LINE_3D l = e.GetLine();
    l.move(m_d);
    e.SetLine(l);
}

void CEntMoveVisitor::visit(CEnt3DFace& e)
{
    fnd::geom::PNT_3D c[4];
    for (unsigned i = 0; i < 4; ++i) {
        c[i] = e.GetVertexPos(i);
        c[i].move(m_d);
    }
    e.SetVertexes(c);
}

void CEntMoveVisitor::visit(CEntCircle& e)
{
    fnd::geom::CIRCLE_3D c = e.GetCircle();
    c.center.move(InEcs(e));
    e.SetCircle(c);
}

void CEntMoveVisitor::visit(CEntArc& e)
{
    fnd::geom::ARC_3D a = e.GetArc();
    a.center.move(InEcs(e));
    e.SetArc(a);
}

void CEntMoveVisitor::visit(CEntEllipse& e)
{
    fnd::geom::ARCELLIPSE_3D a = e.GetEllipse();
    a.center.move(InEcs(e));
    e.SetEllipse(a);
}

void CEntMoveVisitor::MoveText(CEntText& e)
{
    TEXT_3D t = e.GetText();
    fnd::geom::PNT_3D p = t.GetPoint();
    p.move(InEcs(e));
    t.SetPoint(p);
    CModifyingEnt guard(&e);
    e.DoSetText(t);
}

void CEntMoveVisitor::visit(CEntText& e) { MoveText(e); }
void CEntMoveVisitor::visit(CEntAttdef& e) { MoveText(e); }
void CEntMoveVisitor::visit(CEntAttrib& e) { MoveText(e); }

void CEntMoveVisitor::visit(CEntInsert& e)
{
    fnd::geom::PNT_3D p = e.GetPnt();
    p.move(InEcs(e));
    e.SetInsert(p, e.GetXScale(), e.GetYScale(), e.GetZScale(), e.GetRotate());
}

void CEntMoveVisitor::visit(CEntHatch& e) { e.Move(*this); }

void CEntMoveVisitor::visit(CEntPolyline2D& e)
{
    const fnd::geom::VECTOR_3D d = InEcs(e);
    CEntPolyline2DModifier mod(&e);
    mod.Move(d.x, d.y, d.z);
}

void CEntMoveVisitor::visit(CEntPolyline3D& e)
{
    CEntPolyline3DModifier mod(&e);
    mod.Move(m_d);
}

}  // namespace lum::core
