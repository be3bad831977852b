// fnd::geom::CRightRefSys — a right-handed reference system: an origin, an x axis and a
// y axis as given (not normalised); the z axis is x × y.
#pragma once

#include "fnd/geom/Point.h"

namespace fnd::geom {

class CRightRefSys {
public:
    CRightRefSys() = default;
    CRightRefSys(const PNT_3D& origin, const VECTOR_3D& xAxis, const VECTOR_3D& yAxis)
        : m_origin(origin), m_x(xAxis), m_y(yAxis) {}

    bool operator==(const CRightRefSys&) const = default;

    const PNT_3D& GetOrigin() const { return m_origin; }
    const VECTOR_3D& GetXAxis() const { return m_x; }
    const VECTOR_3D& GetYAxis() const { return m_y; }
    VECTOR_3D GetZAxis() const { return m_x.Cross(m_y); }
    void Set(const PNT_3D& origin, const VECTOR_3D& xAxis, const VECTOR_3D& yAxis)
    {
        m_origin = origin; m_x = xAxis; m_y = yAxis;
    }

    // A point of this system (coordinates along the unit axes) in the world.
    PNT_3D ToWorld(const PNT_3D& p) const
    {
        const VECTOR_3D x = m_x.Normalized(), y = m_y.Normalized(), z = GetZAxis().Normalized();
        return m_origin + (x * p.x + y * p.y + z * p.z);
    }

private:
    PNT_3D m_origin;
    VECTOR_3D m_x{1.0, 0.0, 0.0};
    VECTOR_3D m_y{0.0, 1.0, 0.0};
};

}  // namespace fnd::geom
