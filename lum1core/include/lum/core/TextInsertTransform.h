// Moving a text between the coordinates of an insert's block and those of the insert's
// site: the exchange writer takes attributes out of their insert, the reader puts them in.
#pragma once

#include "lum1core_export.h"

#include "fnd/geom/Point.h"
#include "lum/core/Text3D.h"

namespace lum::core {

class CEntInsert;

// Maps a text given in block coordinates (extrusion ext) into the site's coordinates.
// False, outputs untouched, when a scale of the insert is 0. The output extrusion is a unit
// vector.
LUM1CORE_API bool TransformTextFromInsert(const CEntInsert* insert, const fnd::geom::VECTOR_3D& ext,
                                          const TEXT_3D& text, fnd::geom::VECTOR_3D& outExt,
                                          TEXT_3D& outText);
// The inverse: a text given in the site's coordinates into block coordinates. A scale of 0
// leaves the outputs untouched (and answers false).
LUM1CORE_API bool TransformTextToInsert(const CEntInsert* insert, const fnd::geom::VECTOR_3D& ext,
                                        const TEXT_3D& text, fnd::geom::VECTOR_3D& outExt,
                                        TEXT_3D& outText);

}  // namespace lum::core
