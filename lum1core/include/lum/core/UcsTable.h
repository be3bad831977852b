// CUcsTable — the user coordinate systems of a drawing.
#pragma once

#include "lum1core_export.h"

#include "lum/core/TableImp.h"
#include "lum/core/Ucs.h"

namespace lum::core {

class LUM1CORE_API CUcsTable : public CTableImp {
public:
    static CUcsTable* Create(IDrawing* drawing);
    fnd::String ToString() const override { return "CUcsTable"; }

    bool Add(CUcs* ucs) { return CTableImp::Add(ucs); }
    bool AddUnique(CUcs* ucs) { return CTableImp::AddUnique(ucs); }
    bool Remove(CUcs* ucs) { return CTableImp::Remove(ucs); }
    CUcs* Find(const fnd::String& name) const;

private:
    explicit CUcsTable(IDrawing* drawing) : CTableImp(drawing) {}
};

}  // namespace lum::core
