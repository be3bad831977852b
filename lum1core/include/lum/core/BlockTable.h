// CBlockTable — the block definitions of a drawing. The shared table machinery (names,
// progressive names, removal of every item when the drawing goes) is in place; the blocks
// themselves, their typed add/remove/find and the dependency graph come with the block
// and insert entities.
#pragma once

#include "lum1core_export.h"

#include "lum/core/TableImp.h"

namespace lum::core {

class LUM1CORE_API CBlockTable : public CTableImp {
public:
    static CBlockTable* Create(IDrawing* drawing);
    fnd::String ToString() const override { return "CBlockTable"; }

private:
    explicit CBlockTable(IDrawing* drawing) : CTableImp(drawing) {}
};

}  // namespace lum::core
