// fnd::CStringLoader — a library's numbered string table. Each library binds its own
// table (a static object built from its resources) and loads texts by number.
#pragma once

#include "fnd/String.h"

#include <initializer_list>
#include <unordered_map>
#include <utility>

namespace fnd {

class CStringLoader {
public:
    using Entry = std::pair<unsigned, const char*>;
    CStringLoader(std::initializer_list<Entry> entries);
    // The text of id; empty when the table has no such string.
    String Load(unsigned id) const;
    bool Has(unsigned id) const { return m_table.count(id) != 0; }

private:
    std::unordered_map<unsigned, String> m_table;
};

}  // namespace fnd
