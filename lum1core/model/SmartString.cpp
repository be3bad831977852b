#include "lum/core/SmartString.h"

#include "fnd/String.h"

namespace lum::core {

bool SmartString::Equal_ci(const char* o) const
{
    return fnd::String::EqualsNoCase(c_str(), o ? o : "");
}

}  // namespace lum::core
