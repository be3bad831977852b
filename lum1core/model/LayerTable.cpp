#include "lum/core/LayerTable.h"

#include "NewObject.h"

namespace lum::core {

CLayerTable::CLayerTable(IDrawing* drawing, CLayer0* layer0) : CTableImp(drawing), m_layer0(layer0) {}

CLayerTable* CLayerTable::Create(IDrawing* drawing, CLayer0* layer0)
{
    return detail::NewOrThrow([&] { return new CLayerTable(drawing, layer0); });
}

CLayer* CLayerTable::Find(const fnd::String& name) const
{
    if (name == "0" && m_layer0)
        return m_layer0.get();
    return static_cast<CLayer*>(CTableImp::Find(name));
}

}  // namespace lum::core
