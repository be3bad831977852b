// Axis-aligned rectangles and boxes. A new one is empty; Add grows it to hold a point.
#pragma once

#include "fnd/geom/Point.h"

#include <algorithm>

namespace fnd::geom {

struct RECT_2D {
    PNT_2D min{1.0, 1.0}, max{-1.0, -1.0};  // empty: min above max

    bool IsEmpty() const { return min.x > max.x || min.y > max.y; }
    void Add(const PNT_2D& p)
    {
        if (IsEmpty()) { min = max = p; return; }
        min = {std::min(min.x, p.x), std::min(min.y, p.y)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y)};
    }
    bool Contains(const PNT_2D& p) const
    {
        return !IsEmpty() && p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y;
    }
};

struct RECT_3D {
    PNT_3D min{1.0, 1.0, 1.0}, max{-1.0, -1.0, -1.0};

    bool IsEmpty() const { return min.x > max.x || min.y > max.y || min.z > max.z; }
    void Add(const PNT_3D& p)
    {
        if (IsEmpty()) { min = max = p; return; }
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
};

}  // namespace fnd::geom
