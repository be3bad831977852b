// fnd3geom — the geometry part of the drawing core's foundation kit.
#pragma once

#include "fnd/geom/Curve.h"
#include "fnd/geom/Ecs.h"
#include "fnd/geom/Point.h"
#include "fnd/geom/Rect.h"
#include "fnd/geom/RightRefSys.h"
