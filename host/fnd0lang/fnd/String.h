// fnd::String — the text type of the drawing core: an immutable byte string with value
// semantics. Equality is exact; table-item names are compared with the ASCII case-folding
// helpers (bytes above 127 are CP1252 text and compare as they are).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fnd {

class String {
public:
    String() = default;
    String(const char* s) : m_s(s ? s : "") {}
    String(const char* s, std::size_t n) : m_s(s, n) {}
    String(std::string s) : m_s(std::move(s)) {}
    String(std::string_view s) : m_s(s) {}

    const char* c_str() const { return m_s.c_str(); }
    std::size_t Size() const { return m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    char operator[](std::size_t i) const { return i < m_s.size() ? m_s[i] : '\0'; }
    const std::string& str() const { return m_s; }
    std::string_view view() const { return m_s; }

    bool operator==(const String& o) const { return m_s == o.m_s; }
    bool operator==(const char* o) const { return o != nullptr && m_s == o; }
    bool operator<(const String& o) const { return m_s < o.m_s; }
    String operator+(const String& o) const { return String(m_s + o.m_s); }

    // ASCII case-insensitive equality.
    bool EqualsNoCase(const String& o) const { return EqualsNoCase(view(), o.view()); }
    static bool EqualsNoCase(std::string_view a, std::string_view b);
    // The name with 'a'..'z' turned into 'A'..'Z'; other bytes unchanged.
    String FoldCase() const;
    // Hash of FoldCase(), without building it.
    std::size_t HashNoCase() const;

    // Index of the first c at or after from, or -1.
    long Find(char c, std::size_t from = 0) const;
    String Left(std::size_t n) const { return String(m_s.substr(0, n)); }
    String Mid(std::size_t from) const { return from < m_s.size() ? String(m_s.substr(from)) : String(); }

    static String FromUnsigned(unsigned long long v) { return String(std::to_string(v)); }
    // Shortest decimal form that reads back exactly ("." as decimal point).
    static String FromDouble(double v);

private:
    std::string m_s;
};

// Hash and equality for unordered containers keyed by table-item names.
struct StringHashNoCase {
    std::size_t operator()(const String& s) const { return s.HashNoCase(); }
};
struct StringEqualNoCase {
    bool operator()(const String& a, const String& b) const { return a.EqualsNoCase(b); }
};

}  // namespace fnd
