#include "fnd/Exceptions.h"

#include <cmath>

namespace fnd {

bool TestValue(double v) { return std::isfinite(v); }

}  // namespace fnd
