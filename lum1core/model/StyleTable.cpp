#include "lum/core/StyleTable.h"

#include "NewObject.h"
#include "lum/core/FontTable.h"

namespace lum::core {

CStyleTable::CStyleTable(IDrawing* drawing) : CTableImp(drawing)
{
    m_standard = fnd::RefPtr<CStyleStandard>::Adopt(
        CStyleStandard::Create(CFontTable::GetInstance().GetDefault(), 0.0, 1.0, 0.0, 2.5, 0, 0));
    Add(m_standard.get());
}

CStyleTable* CStyleTable::Create(IDrawing* drawing)
{
    return detail::NewOrThrow([&] { return new CStyleTable(drawing); });
}

CStyle* CStyleTable::Find(const fnd::String& name) const
{
    return static_cast<CStyle*>(CTableImp::Find(name));
}

}  // namespace lum::core
