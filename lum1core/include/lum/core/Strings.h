// The drawing core's own numbered texts (ids 10 to 36).
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"

namespace lum::core {

LUM1CORE_API fnd::String LoadCoreString(unsigned id);

}  // namespace lum::core
