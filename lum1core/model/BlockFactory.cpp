#include "lum/core/BlockFactory.h"

#include "NewObject.h"

namespace lum::core {

CBlockFactory* CBlockFactory::Create()
{
    return detail::NewOrThrow([] { return new CBlockFactory; });
}

}  // namespace lum::core
