#include "lum/core/FontTable.h"

#include <algorithm>

namespace lum::core {

namespace {
std::unique_ptr<CFontTable>& Instance()
{
    static std::unique_ptr<CFontTable> instance;
    return instance;
}
}  // namespace

CFontTable& CFontTable::GetInstance()
{
    auto& p = Instance();
    if (!p)
        p.reset(new CFontTable);
    return *p;
}

void CFontTable::shutdown() { Instance().reset(); }

void CFontTable::Add(ICADFont* font)
{
    if (!font)
        return;
    const bool held = std::any_of(m_fonts.begin(), m_fonts.end(),
                                  [font](const auto& f) { return f.get() == font; });
    if (!held)
        m_fonts.emplace_back(font);
}

const ICADFont* CFontTable::Get(const fnd::String& name, bool useDefault) const
{
    for (const auto& f : m_fonts)
        if (f->GetName() == name)
            return f.get();
    return useDefault ? m_default : nullptr;
}

const ICADFont* CFontTable::operator[](unsigned i) const
{
    return i < m_fonts.size() ? m_fonts[i].get() : nullptr;
}

}  // namespace lum::core
