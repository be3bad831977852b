// CEntMoveVisitor — moves every entity it visits by a displacement given in world
// coordinates, through the entity's notifying setters. Planar kinds take the displacement
// in their own coordinate system.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Point.h"
#include "lum/core/EntVisitor.h"

namespace lum::core {

class LUM1CORE_API CEntMoveVisitor : public IEntVisitor {
public:
    explicit CEntMoveVisitor(const fnd::geom::VECTOR_3D& d) : m_d(d) {}
    const fnd::geom::VECTOR_3D& GetDisplacement() const { return m_d; }

    void visit(CEnt3DFace& e) override;
    void visit(CEntHatch& e) override;
    void visit(CEntAttrib& e) override;
    void visit(CEntInsert& e) override;
    void visit(CEntAttdef& e) override;
    void visit(CEntText& e) override;
    void visit(CEntPolyline2D& e) override;
    void visit(CEntPolyline3D& e) override;
    void visit(CEntEllipse& e) override;
    void visit(CEntArc& e) override;
    void visit(CEntCircle& e) override;
    void visit(CEntLine& e) override;
    void visit(CEntPnt& e) override;

    // The displacement in the entity's own coordinate system.
    fnd::geom::VECTOR_3D InEcs(const CEnt& e) const;

private:
    void MoveText(CEntText& e);
    fnd::geom::VECTOR_3D m_d;
};

}  // namespace lum::core
