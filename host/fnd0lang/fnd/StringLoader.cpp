#include "fnd/StringLoader.h"

namespace fnd {

CStringLoader::CStringLoader(std::initializer_list<Entry> entries)
{
    for (const auto& e : entries)
        m_table.emplace(e.first, String(e.second));
}

String CStringLoader::Load(unsigned id) const
{
    const auto it = m_table.find(id);
    return it == m_table.end() ? String() : it->second;
}

}  // namespace fnd
