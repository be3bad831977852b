#include "lum/core/TableItemMementos.h"

#include "NewObject.h"
#include "lum/core/Layer.h"
#include "lum/core/Ltype.h"
#include "lum/core/Style.h"
#include "lum/core/Ucs.h"

namespace lum::core {

ITableItemMemento::ITableItemMemento(const ITableItem* item)
    : m_name(item->GetName()), m_flags(item->GetFlags())
{
}

bool ITableItemMemento::BaseChanged(const ITableItem* item) const
{
    return !m_name.EqualsNoCase(item->GetName()) || m_flags != item->GetFlags();
}

CLayerMemento::CLayerMemento(const CLayer* layer)
    : ITableItemMemento(layer), m_ltype(layer->GetLtype()), m_color(layer->GetColor())
{
}

CLayerMemento* CLayerMemento::Create(const CLayer* layer)
{
    return detail::NewOrThrow([&] { return new CLayerMemento(layer); });
}

CLtypeMemento::CLtypeMemento(const CLtype* ltype)
    : ITableItemMemento(ltype), m_patternLen(ltype->GetPatternLen()), m_desc(ltype->GetDesc()),
      m_dashes(fnd::RefPtr<CLtypeComplexDashSeqMemento>::Adopt(ltype->GetDashSeq().CreateMemento()))
{
}

CLtypeMemento* CLtypeMemento::Create(const CLtype* ltype)
{
    return detail::NewOrThrow([&] { return new CLtypeMemento(ltype); });
}

CStyleMemento::CStyleMemento(const CStyle* style)
    : ITableItemMemento(style), fixedHeight(style->GetFixedHeight()),
      widthScale(style->GetWidthScale()), oblique(style->GetOblique()),
      lastHeight(style->GetLastHeight()), font(style->GetFont())
{
}

CStyleMemento* CStyleMemento::Create(const CStyle* style)
{
    return detail::NewOrThrow([&] { return new CStyleMemento(style); });
}

CUcsMemento::CUcsMemento(const CUcs* ucs) : ITableItemMemento(ucs), m_refSys(ucs->GetRefSys()) {}

CUcsMemento* CUcsMemento::Create(const CUcs* ucs)
{
    return detail::NewOrThrow([&] { return new CUcsMemento(ucs); });
}

}  // namespace lum::core
