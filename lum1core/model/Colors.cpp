#include "lum/core/Colors.h"

#include "lum/core/Strings.h"

#include <memory>

namespace lum::core {

namespace {
std::unique_ptr<CColors>& Instance()
{
    static std::unique_ptr<CColors> instance;
    return instance;
}
}  // namespace

CColors::CColors()
{
    // Colours 0 (by block) to 7 are strings 24 to 31; 256 (by layer) is string 32.
    for (unsigned c = 0; c <= 7; ++c)
        m_names[c] = LoadCoreString(24 + c);
    m_names[256] = LoadCoreString(32);
}

CColors& CColors::GetInstance()
{
    auto& p = Instance();
    if (!p)
        p.reset(new CColors);
    return *p;
}

void CColors::shutdown() { Instance().reset(); }

const fnd::String& CColors::operator[](unsigned color)
{
    static const fnd::String none;
    if (color >= kNoColors)
        return none;
    fnd::String& name = m_names[color];
    if (name.IsEmpty())
        name = fnd::String::FromUnsigned(color);
    return name;
}

}  // namespace lum::core
