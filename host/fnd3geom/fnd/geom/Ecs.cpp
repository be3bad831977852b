#include "fnd/geom/Ecs.h"

#include <cmath>

namespace fnd::geom {

CEcs::CEcs(const VECTOR_3D& extrusion)
{
    const VECTOR_3D n = extrusion.Normalized();
    if (n.Length() == 0.0)
        return;
    constexpr double kLimit = 1.0 / 64.0;
    const VECTOR_3D ax = (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit)
                             ? VECTOR_3D{0.0, 1.0, 0.0}.Cross(n)
                             : VECTOR_3D{0.0, 0.0, 1.0}.Cross(n);
    m_z = n;
    m_x = ax.Normalized();
    m_y = n.Cross(m_x).Normalized();
}

VECTOR_3D CEcs::VectorToWorld(const VECTOR_3D& v) const
{
    return m_x * v.x + m_y * v.y + m_z * v.z;
}

VECTOR_3D CEcs::VectorFromWorld(const VECTOR_3D& v) const
{
    return {m_x.Dot(v), m_y.Dot(v), m_z.Dot(v)};
}

PNT_3D CEcs::ToWorld(const PNT_3D& p) const { return ToPoint(VectorToWorld(p.AsVector())); }
PNT_3D CEcs::FromWorld(const PNT_3D& p) const { return ToPoint(VectorFromWorld(p.AsVector())); }

}  // namespace fnd::geom
