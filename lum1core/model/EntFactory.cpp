#include "lum/core/EntFactory.h"

#include "NewObject.h"

namespace lum::core {

CEntFactory* CEntFactory::Create()
{
    return detail::NewOrThrow([] { return new CEntFactory; });
}

}  // namespace lum::core
