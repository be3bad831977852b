#include "lum/core/UcsTable.h"

#include "NewObject.h"

namespace lum::core {

CUcsTable* CUcsTable::Create(IDrawing* drawing)
{
    return detail::NewOrThrow([&] { return new CUcsTable(drawing); });
}

CUcs* CUcsTable::Find(const fnd::String& name) const
{
    return static_cast<CUcs*>(CTableImp::Find(name));
}

}  // namespace lum::core
