// CBlockFactory — the factory of block definitions.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"
#include "fnd/geom/Point.h"

#include <cstdint>

namespace lum::core {

class CBlock;

class LUM1CORE_API CBlockFactory : public fnd::IRefCounter {
public:
    static CBlockFactory* Create();
    fnd::String ToString() const override { return "CBlockFactory"; }
    // A free, empty block (CBlock::Create); one reference for the caller.
    virtual CBlock* Create(const fnd::String& name, const fnd::geom::PNT_3D& base, std::uint32_t flags,
                           std::uint32_t handle) const;

protected:
    CBlockFactory() = default;
};

}  // namespace lum::core
