// Points and vectors of the drawing core: plain structs of doubles, copied by value.
#pragma once

#include <cmath>

namespace fnd::geom {

struct VECTOR_3D {
    double x = 0.0, y = 0.0, z = 0.0;

    bool operator==(const VECTOR_3D&) const = default;
    VECTOR_3D operator+(const VECTOR_3D& o) const { return {x + o.x, y + o.y, z + o.z}; }
    VECTOR_3D operator-(const VECTOR_3D& o) const { return {x - o.x, y - o.y, z - o.z}; }
    VECTOR_3D operator*(double k) const { return {x * k, y * k, z * k}; }
    VECTOR_3D operator-() const { return {-x, -y, -z}; }
    double Dot(const VECTOR_3D& o) const { return x * o.x + y * o.y + z * o.z; }
    VECTOR_3D Cross(const VECTOR_3D& o) const
    {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    double Length() const { return std::sqrt(Dot(*this)); }
    // The vector divided by its length; the zero vector stays zero.
    VECTOR_3D Normalized() const
    {
        const double l = Length();
        return l > 0.0 ? VECTOR_3D{x / l, y / l, z / l} : *this;
    }
};

struct PNT_3D {
    double x = 0.0, y = 0.0, z = 0.0;

    bool operator==(const PNT_3D&) const = default;
    PNT_3D operator+(const VECTOR_3D& v) const { return {x + v.x, y + v.y, z + v.z}; }
    VECTOR_3D operator-(const PNT_3D& o) const { return {x - o.x, y - o.y, z - o.z}; }
    void move(const VECTOR_3D& v) { x += v.x; y += v.y; z += v.z; }
    VECTOR_3D AsVector() const { return {x, y, z}; }
};

struct PNT_2D {
    double x = 0.0, y = 0.0;

    bool operator==(const PNT_2D&) const = default;
    void move(double dx, double dy) { x += dx; y += dy; }
};

inline PNT_3D ToPoint(const VECTOR_3D& v) { return {v.x, v.y, v.z}; }

}  // namespace fnd::geom
