// fnd::geom::CEcs — the entity coordinate system of an extrusion direction, built with the
// arbitrary-axis rule of the exchange format: with N the unit extrusion, when both |Nx| and
// |Ny| are below 1/64 the x axis is Wy × N, otherwise Wz × N (normalised); the y axis is
// N × x. The z axis is N.
#pragma once

#include "fnd/geom/Point.h"

namespace fnd::geom {

class CEcs {
public:
    // World axes for a zero extrusion.
    explicit CEcs(const VECTOR_3D& extrusion = {0.0, 0.0, 1.0});

    const VECTOR_3D& GetXAxis() const { return m_x; }
    const VECTOR_3D& GetYAxis() const { return m_y; }
    const VECTOR_3D& GetZAxis() const { return m_z; }

    // From this system's coordinates to the world and back.
    PNT_3D ToWorld(const PNT_3D& p) const;
    PNT_3D FromWorld(const PNT_3D& p) const;
    VECTOR_3D VectorToWorld(const VECTOR_3D& v) const;
    VECTOR_3D VectorFromWorld(const VECTOR_3D& v) const;

private:
    VECTOR_3D m_x{1.0, 0.0, 0.0}, m_y{0.0, 1.0, 0.0}, m_z{0.0, 0.0, 1.0};
};

}  // namespace fnd::geom
