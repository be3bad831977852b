// Allocation of model objects: an allocation failure becomes the kit's out-of-memory
// exception. Used inside the static Create functions (the lambda has their access).
#pragma once

#include "fnd/Exceptions.h"

#include <new>

namespace lum::core::detail {

template <class F>
auto NewOrThrow(F make)
{
    try {
        return make();
    } catch (const std::bad_alloc&) {
        throw fnd::CExhaustedMemoryException();
    }
}

}  // namespace lum::core::detail
