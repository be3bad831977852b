// SmartString — a non-owning view of a zero-terminated string, used by the exchange reader.
#pragma once

#include "lum1core_export.h"

#include <cstddef>
#include <cstring>

namespace lum::core {

class LUM1CORE_API SmartString {
public:
    SmartString() = default;
    SmartString(const char* s) : m_s(s) {}
    // The character at i; 0 for a null view (callers stay within Size()).
    char operator[](std::size_t i) const { return m_s ? m_s[i] : '\0'; }
    std::size_t Size() const { return m_s ? std::strlen(m_s) : 0; }
    const char* c_str() const { return m_s ? m_s : ""; }
    // Equal ignoring ASCII case; a null view equals the empty string.
    bool Equal_ci(const SmartString& o) const { return Equal_ci(o.c_str()); }
    bool Equal_ci(const char* o) const;

private:
    const char* m_s = nullptr;
};

}  // namespace lum::core
