#include "lum/core/LtypeTable.h"

#include "NewObject.h"

namespace lum::core {

CLtypeTable::CLtypeTable(IDrawing* drawing, CLtypeContinuous* continuous, CLtypeByLayer* byLayer,
                         CLtypeByBlock* byBlock)
    : CTableImp(drawing), m_continuous(continuous), m_byLayer(byLayer), m_byBlock(byBlock)
{
}

CLtypeTable* CLtypeTable::Create(IDrawing* drawing, CLtypeContinuous* continuous,
                                 CLtypeByLayer* byLayer, CLtypeByBlock* byBlock)
{
    return detail::NewOrThrow([&] { return new CLtypeTable(drawing, continuous, byLayer, byBlock); });
}

CLtype* CLtypeTable::Find(const fnd::String& name) const
{
    if (name.EqualsNoCase("continuous") && m_continuous)
        return m_continuous.get();
    if (name.EqualsNoCase("bylayer") && m_byLayer)
        return m_byLayer.get();
    if (name.EqualsNoCase("byblock") && m_byBlock)
        return m_byBlock.get();
    return static_cast<CLtype*>(CTableImp::Find(name));
}

bool CLtypeTable::CanRemove(const ITableItem* item) const
{
    return item != m_continuous.get() && item != m_byLayer.get() && item != m_byBlock.get();
}

}  // namespace lum::core
