#include "lum/core/LtypeBuiltin.h"

#include "NewObject.h"

namespace lum::core {

CLtypeContinuous::CLtypeContinuous(std::uint32_t handle)
    : CLtype("Continuous", "SolidLine", CLtypeComplexDashSeq(), 0, handle)
{
}

CLtypeContinuous* CLtypeContinuous::Create(std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CLtypeContinuous(handle); });
}

void CLtypeContinuous::AssertValid() const
{
    CLtype::AssertValid();
    if (!GetName().EqualsNoCase("Continuous"))
        throw fnd::CVariableNotInitializedException("CLtypeContinuous.m_sName");
}

CLtypeByLayer::CLtypeByLayer(std::uint32_t handle)
    : CLtype("BYLAYER", "", CLtypeComplexDashSeq(), 0, handle)
{
}

CLtypeByLayer* CLtypeByLayer::Create(std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CLtypeByLayer(handle); });
}

void CLtypeByLayer::AssertValid() const
{
    CLtype::AssertValid();
    if (!GetName().EqualsNoCase("BYLAYER"))
        throw fnd::CVariableNotInitializedException("CLtypeByLayer.m_sName");
}

CLtypeByBlock::CLtypeByBlock(std::uint32_t handle)
    : CLtype("BYBLOCK", "", CLtypeComplexDashSeq(), 0, handle)
{
}

CLtypeByBlock* CLtypeByBlock::Create(std::uint32_t handle)
{
    return detail::NewOrThrow([&] { return new CLtypeByBlock(handle); });
}

void CLtypeByBlock::AssertValid() const
{
    CLtype::AssertValid();
    if (!GetName().EqualsNoCase("BYBLOCK"))
        throw fnd::CVariableNotInitializedException("CLtypeByBlock.m_sName");
}

}  // namespace lum::core
