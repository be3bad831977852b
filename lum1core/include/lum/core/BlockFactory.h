// CBlockFactory — the factory of block definitions. Its creation operation arrives with
// the blocks themselves; the drawing already holds one so that the set of factories is
// complete.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"

namespace lum::core {

class LUM1CORE_API CBlockFactory : public fnd::IRefCounter {
public:
    static CBlockFactory* Create();
    fnd::String ToString() const override { return "CBlockFactory"; }

protected:
    CBlockFactory() = default;
};

}  // namespace lum::core
