#include "lum/core/TableItemFactories.h"

#include "NewObject.h"
#include "lum/core/Layer.h"
#include "lum/core/Ltype.h"
#include "lum/core/Style.h"
#include "lum/core/Ucs.h"

namespace lum::core {

CLtypeFactory* CLtypeFactory::Create()
{
    return detail::NewOrThrow([] { return new CLtypeFactory; });
}
CLtype* CLtypeFactory::Create(const fnd::String& name, const CLtype* src)
{
    return CLtype::Create(name, src);
}
CLtype* CLtypeFactory::Create(const fnd::String& name, const fnd::String& desc, const double* dashes,
                              unsigned count, std::uint32_t flags, std::uint32_t handle)
{
    return CLtype::Create(name, desc, dashes, count, flags, handle);
}
CLtype* CLtypeFactory::Create(const fnd::String& name, const fnd::String& desc,
                              const CLtypeComplexDashSeq& dashes, std::uint32_t flags, std::uint32_t handle)
{
    return CLtype::Create(name, desc, dashes, flags, handle);
}

CLayerFactory* CLayerFactory::Create()
{
    return detail::NewOrThrow([] { return new CLayerFactory; });
}
CLayer* CLayerFactory::Create(const fnd::String& name, const CLayer* src)
{
    return CLayer::Create(name, src);
}
CLayer* CLayerFactory::Create(const fnd::String& name, CLtype* ltype, std::uint16_t color,
                              std::uint32_t flags, std::uint32_t handle)
{
    return CLayer::Create(name, ltype, color, flags, handle);
}

CStyleFactory* CStyleFactory::Create()
{
    return detail::NewOrThrow([] { return new CStyleFactory; });
}
CStyle* CStyleFactory::Create(const fnd::String& name, const CStyle* src)
{
    return CStyle::Create(name, src);
}
CStyle* CStyleFactory::Create(const fnd::String& name, const ICADFont* font, double fixedHeight,
                              double widthScale, double oblique, double lastHeight,
                              std::uint32_t flags, std::uint32_t handle)
{
    return CStyle::Create(name, font, fixedHeight, widthScale, oblique, lastHeight, flags, handle);
}

CUcsFactory* CUcsFactory::Create()
{
    return detail::NewOrThrow([] { return new CUcsFactory; });
}
CUcs* CUcsFactory::Create(const fnd::String& name, const CUcs* src) { return CUcs::Create(name, src); }
CUcs* CUcsFactory::Create(const fnd::String& name, const fnd::geom::PNT_3D& origin,
                          const fnd::geom::VECTOR_3D& xAxis, const fnd::geom::VECTOR_3D& yAxis,
                          std::uint32_t flags)
{
    CUcs* ucs = CUcs::Create(name, origin, xAxis, yAxis, 0);
    ucs->SetPrivate((flags & ITableItem::kPrivate) != 0);
    return ucs;
}

}  // namespace lum::core
