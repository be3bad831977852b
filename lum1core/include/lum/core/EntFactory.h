// CEntFactory — the factory of entities: one copy and one construction operation per
// entity kind, added with the kinds.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"

namespace lum::core {

class LUM1CORE_API CEntFactory : public fnd::IRefCounter {
public:
    static CEntFactory* Create();
    fnd::String ToString() const override { return "CEntFactory"; }

protected:
    CEntFactory() = default;
};

}  // namespace lum::core
