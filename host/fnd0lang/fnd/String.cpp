#include "fnd/String.h"

#include <charconv>
#include <system_error>

namespace fnd {

namespace {
constexpr char Fold(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool String::EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    return true;
}

String String::FoldCase() const
{
    std::string r(m_s);
    for (char& c : r)
        c = Fold(c);
    return String(std::move(r));
}

std::size_t String::HashNoCase() const
{
    // FNV-1a over the folded bytes.
    std::size_t h = 1469598103934665603ull;
    for (char c : m_s) {
        h ^= static_cast<unsigned char>(Fold(c));
        h *= 1099511628211ull;
    }
    return h;
}

long String::Find(char c, std::size_t from) const
{
    const auto p = m_s.find(c, from);
    return p == std::string::npos ? -1 : static_cast<long>(p);
}

String String::FromDouble(double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    if (r.ec != std::errc())
        return String("0");
    return String(buf, static_cast<std::size_t>(r.ptr - buf));
}

}  // namespace fnd
