// CStyleTable — the text styles of a drawing. Its constructor creates and adds STANDARD
// with the default font of the font table.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/Style.h"
#include "lum/core/TableImp.h"

namespace lum::core {

class LUM1CORE_API CStyleTable : public CTableImp {
public:
    static CStyleTable* Create(IDrawing* drawing);
    fnd::String ToString() const override { return "CStyleTable"; }

    bool Add(CStyle* style) { return CTableImp::Add(style); }
    bool AddUnique(CStyle* style) { return CTableImp::AddUnique(style); }
    // STANDARD cannot be removed.
    bool Remove(CStyle* style) { return CTableImp::Remove(style); }
    CStyle* Find(const fnd::String& name) const;
    CStyleStandard* GetStyleStandard() const { return m_standard.get(); }

protected:
    bool CanRemove(const ITableItem* item) const override { return item != m_standard.get(); }

private:
    explicit CStyleTable(IDrawing* drawing);
    fnd::RefPtr<CStyleStandard> m_standard;
};

}  // namespace lum::core
