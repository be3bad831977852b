// The three built-in linetypes every drawing holds: CONTINUOUS, BYLAYER and BYBLOCK.
#pragma once

#include "lum1core_export.h"

#include "lum/core/Ltype.h"

namespace lum::core {

class LUM1CORE_API CLtypeContinuous : public CLtype {
public:
    static CLtypeContinuous* Create(std::uint32_t handle);
    bool IsContinuous() const override { return true; }
    void AssertValid() const override;

private:
    explicit CLtypeContinuous(std::uint32_t handle);
};

class LUM1CORE_API CLtypeByLayer : public CLtype {
public:
    static CLtypeByLayer* Create(std::uint32_t handle);
    bool IsByLayer() const override { return true; }
    void AssertValid() const override;

private:
    explicit CLtypeByLayer(std::uint32_t handle);
};

class LUM1CORE_API CLtypeByBlock : public CLtype {
public:
    static CLtypeByBlock* Create(std::uint32_t handle);
    bool IsByBlock() const override { return true; }
    void AssertValid() const override;

private:
    explicit CLtypeByBlock(std::uint32_t handle);
};

}  // namespace lum::core
