// Plain curve descriptions that entities hold by value: a segment, a circle, a circular
// arc and an elliptic arc (angles in radians, counter-clockwise, in the entity's plane).
#pragma once

#include "fnd/geom/Point.h"

namespace fnd::geom {

struct LINE_3D {
    PNT_3D start, end;
    bool operator==(const LINE_3D&) const = default;
    void move(const VECTOR_3D& v) { start.move(v); end.move(v); }
};

struct CIRCLE_3D {
    PNT_3D center;
    double radius = 0.0;
    bool operator==(const CIRCLE_3D&) const = default;
};

struct ARC_3D {
    PNT_3D center;
    double radius = 0.0;
    double start = 0.0, end = 0.0;  // start and end angle
    bool operator==(const ARC_3D&) const = default;
};

struct ARCELLIPSE_3D {
    PNT_3D center;
    VECTOR_3D major;      // end of the major axis, relative to the centre
    double ratio = 1.0;   // minor axis / major axis
    double start = 0.0, end = 0.0;  // parameters
    bool operator==(const ARCELLIPSE_3D&) const = default;
};

}  // namespace fnd::geom
