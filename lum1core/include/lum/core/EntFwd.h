// Forward declarations of the entity kinds, for headers that name them
// without needing their definitions.
#pragma once

namespace lum::core {

class CEnt;
class CEnt3DFace;
class CEntArc;
class CEntAttdef;
class CEntAttrib;
class CEntCircle;
class CEntEllipse;
class CEntHatch;
class CEntInsert;
class CEntLine;
class CEntPnt;
class CEntPolyline2D;
class CEntPolyline3D;
class CEntText;

}  // namespace lum::core
