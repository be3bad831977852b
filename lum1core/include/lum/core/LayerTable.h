// CLayerTable — the layers of a drawing, with layer "0" always present.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/Layer.h"
#include "lum/core/TableImp.h"

namespace lum::core {

class LUM1CORE_API CLayerTable : public CTableImp {
public:
    static CLayerTable* Create(IDrawing* drawing, CLayer0* layer0);
    fnd::String ToString() const override { return "CLayerTable"; }

    bool Add(CLayer* layer) { return CTableImp::Add(layer); }
    bool AddUnique(CLayer* layer) { return CTableImp::AddUnique(layer); }
    // Layer "0" cannot be removed.
    bool Remove(CLayer* layer) { return CTableImp::Remove(layer); }
    // Exactly "0" gives layer "0"; any other name the first layer of that name (ignoring case).
    CLayer* Find(const fnd::String& name) const;
    CLayer0* GetLayer0() const { return m_layer0.get(); }

protected:
    bool CanRemove(const ITableItem* item) const override { return item != m_layer0.get(); }

private:
    CLayerTable(IDrawing* drawing, CLayer0* layer0);
    fnd::RefPtr<CLayer0> m_layer0;
};

}  // namespace lum::core
