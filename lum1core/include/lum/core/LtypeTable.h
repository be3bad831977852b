// CLtypeTable — the linetypes of a drawing, with its three built-in linetypes.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/LtypeBuiltin.h"
#include "lum/core/TableImp.h"

namespace lum::core {

class LUM1CORE_API CLtypeTable : public CTableImp {
public:
    static CLtypeTable* Create(IDrawing* drawing, CLtypeContinuous* continuous,
                               CLtypeByLayer* byLayer, CLtypeByBlock* byBlock);
    fnd::String ToString() const override { return "CLtypeTable"; }

    bool Add(CLtype* ltype) { return CTableImp::Add(ltype); }
    bool AddUnique(CLtype* ltype) { return CTableImp::AddUnique(ltype); }
    // The built-in linetypes cannot be removed.
    bool Remove(CLtype* ltype) { return CTableImp::Remove(ltype); }
    // "continuous", "bylayer" and "byblock" in any case give the built-in linetypes without
    // looking at the items; any other name the first linetype of that name (ignoring case).
    CLtype* Find(const fnd::String& name) const;

    CLtypeContinuous* GetContinuous() const { return m_continuous.get(); }
    CLtypeByLayer* GetByLayer() const { return m_byLayer.get(); }
    CLtypeByBlock* GetByBlock() const { return m_byBlock.get(); }

protected:
    bool CanRemove(const ITableItem* item) const override;

private:
    CLtypeTable(IDrawing* drawing, CLtypeContinuous* continuous, CLtypeByLayer* byLayer,
                CLtypeByBlock* byBlock);
    fnd::RefPtr<CLtypeContinuous> m_continuous;
    fnd::RefPtr<CLtypeByLayer> m_byLayer;
    fnd::RefPtr<CLtypeByBlock> m_byBlock;
};

}  // namespace lum::core
