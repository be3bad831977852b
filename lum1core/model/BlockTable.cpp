#include "lum/core/BlockTable.h"

#include "NewObject.h"

namespace lum::core {

CBlockTable* CBlockTable::Create(IDrawing* drawing)
{
    return detail::NewOrThrow([&] { return new CBlockTable(drawing); });
}

}  // namespace lum::core
