#include "lum/core/BlockFactory.h"

#include "NewObject.h"
#include "lum/core/Block.h"

namespace lum::core {

CBlockFactory* CBlockFactory::Create()
{
    return detail::NewOrThrow([] { return new CBlockFactory; });
}

CBlock* CBlockFactory::Create(const fnd::String& name, const fnd::geom::PNT_3D& base,
                              std::uint32_t flags, std::uint32_t handle) const
{
    return CBlock::Create(name, base, flags, handle);
}

}  // namespace lum::core
