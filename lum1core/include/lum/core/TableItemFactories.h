// The factories of the table items. Each operation forwards to the static Create of the
// class it makes, so a host can substitute a factory that makes subclasses.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefCounter.h"
#include "fnd/geom/Point.h"

#include <cstdint>

namespace lum::core {

class CLayer;
class CLtype;
class CLtypeComplexDashSeq;
class CStyle;
class CUcs;
class ICADFont;

class LUM1CORE_API CLtypeFactory : public fnd::IRefCounter {
public:
    static CLtypeFactory* Create();
    fnd::String ToString() const override { return "CLtypeFactory"; }
    virtual CLtype* Create(const fnd::String& name, const CLtype* src);
    virtual CLtype* Create(const fnd::String& name, const fnd::String& desc, const double* dashes,
                           unsigned count, std::uint32_t flags, std::uint32_t handle);
    virtual CLtype* Create(const fnd::String& name, const fnd::String& desc,
                           const CLtypeComplexDashSeq& dashes, std::uint32_t flags, std::uint32_t handle);

protected:
    CLtypeFactory() = default;
};

class LUM1CORE_API CLayerFactory : public fnd::IRefCounter {
public:
    static CLayerFactory* Create();
    fnd::String ToString() const override { return "CLayerFactory"; }
    virtual CLayer* Create(const fnd::String& name, const CLayer* src);
    virtual CLayer* Create(const fnd::String& name, CLtype* ltype, std::uint16_t color,
                           std::uint32_t flags, std::uint32_t handle);

protected:
    CLayerFactory() = default;
};

class LUM1CORE_API CStyleFactory : public fnd::IRefCounter {
public:
    static CStyleFactory* Create();
    fnd::String ToString() const override { return "CStyleFactory"; }
    virtual CStyle* Create(const fnd::String& name, const CStyle* src);
    virtual CStyle* Create(const fnd::String& name, const ICADFont* font, double fixedHeight,
                           double widthScale, double oblique, double lastHeight,
                           std::uint32_t flags, std::uint32_t handle);

protected:
    CStyleFactory() = default;
};

class LUM1CORE_API CUcsFactory : public fnd::IRefCounter {
public:
    static CUcsFactory* Create();
    fnd::String ToString() const override { return "CUcsFactory"; }
    virtual CUcs* Create(const fnd::String& name, const CUcs* src);
    virtual CUcs* Create(const fnd::String& name, const fnd::geom::PNT_3D& origin,
                         const fnd::geom::VECTOR_3D& xAxis, const fnd::geom::VECTOR_3D& yAxis,
                         std::uint32_t flags);

protected:
    CUcsFactory() = default;
};

}  // namespace lum::core
