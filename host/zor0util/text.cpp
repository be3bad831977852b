// Text helpers: numbers to and from text, trimming, paths, progressive names.
#include "zor0util.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

// Parses the number at the start of [p, end): optional sign, digits with an
// optional ".", optional exponent. Returns false when there is no number.
bool ParseNumber(const char* p, const char* end, double& out)
{
    while (p < end && IsBlank(*p))
        ++p;
    const char* start = p;
    if (p < end && (*p == '+' || *p == '-'))
        ++p;
    const char* digits = p;
    bool any = false;
    while (p < end && IsDigit(*p)) {
        ++p;
        any = true;
    }
    if (p < end && *p == '.') {
        ++p;
        while (p < end && IsDigit(*p)) {
            ++p;
            any = true;
        }
    }
    if (!any)
        return false;
    const char* mantissaEnd = p;
    if (p < end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < end && (*q == '+' || *q == '-'))
            ++q;
        if (q < end && IsDigit(*q)) {
            while (q < end && IsDigit(*q))
                ++q;
            mantissaEnd = q;
        }
    }
    // from_chars takes no leading "+" and no "." without digits before it in
    // some forms; hand it the digits and apply the sign here.
    double value = 0.0;
    const auto res = std::from_chars(digits, mantissaEnd, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Out of the range of double: a huge magnitude is no usable number,
        // a tiny one is zero. With an exponent its sign tells which; without
        // one, a non-zero digit before the point makes it huge.
        const char* e = std::find_if(digits, mantissaEnd, [](char c) { return c == 'e' || c == 'E'; });
        const bool negExponent = e != mantissaEnd && e + 1 < mantissaEnd && e[1] == '-';
        const bool intPart = std::any_of(digits, std::find(digits, e, '.'), [](char c) { return c > '0' && c <= '9'; });
        const bool tiny = (e != mantissaEnd) ? negExponent : !intPart;
        value = tiny ? 0.0 : VAL_NON_VALIDO;
    } else if (res.ec != std::errc()) {
        return false;
    }
    out = (*start == '-') ? -value : value;
    return true;
}
}  // namespace

std::string StringDaDouble(double v, int width, int decimals)
{
    decimals = std::clamp(decimals, 0, 40);
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s = (res.ec == std::errc()) ? std::string(buf, res.ptr) : std::string("***");
    if (!s.empty() && s[0] == '-' &&
        std::all_of(s.begin() + 1, s.end(), [](char c) { return c == '0' || c == '.'; }))
        s.erase(0, 1);
    if (width > 0 && s.size() < static_cast<size_t>(width))
        s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    return s;
}

double DoubleDaArChar(const char* text)
{
    if (text == nullptr)
        return VAL_NON_VALIDO;
    double v = 0.0;
    const char* end = text;
    while (*end != '\0')
        ++end;
    return ParseNumber(text, end, v) ? v : VAL_NON_VALIDO;
}

double DoubleDaString(const std::string& text)
{
    double v = 0.0;
    return ParseNumber(text.data(), text.data() + text.size(), v) ? v : VAL_NON_VALIDO;
}

short IntDaString(const std::string& text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && IsBlank(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    long value = 0;
    for (; p < end && IsDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > 100000)   // already beyond short: stop accumulating
            value = 100000;
    }
    if (negative)
        value = -value;
    return static_cast<short>(std::clamp<long>(value, std::numeric_limits<short>::min(),
                                               std::numeric_limits<short>::max()));
}

void StringTrimLeft(std::string& s)
{
    const auto it = std::find_if(s.begin(), s.end(), [](char c) { return !IsBlank(c); });
    s.erase(s.begin(), it);
}

void StringTrimRight(std::string& s)
{
    while (!s.empty() && IsBlank(s.back()))
        s.pop_back();
}

void StringTrimBoth(std::string& s)
{
    StringTrimRight(s);
    StringTrimLeft(s);
}

void StringToUpper(std::string& s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
}

void EstraiIlNomeFile(std::string& path)
{
    const auto pos = path.find_last_of("/\\");
    if (pos != std::string::npos)
        path.erase(0, pos + 1);
}

void EstraiIlPathFile(std::string& path)
{
    const auto pos = path.find_last_of("/\\");
    if (pos == std::string::npos)
        path.clear();
    else
        path.erase(pos + 1);
}

std::string UnisciPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (IsSeparator(dir.back()))
        return dir + name;
    return dir + "/" + name;
}

std::string IncrementaNuProg(const char* text, bool addWhenMissing, int step)
{
    std::string s = text ? text : "";
    size_t start = s.size();
    while (start > 0 && IsDigit(s[start - 1]))
        --start;
    if (start == s.size())
        return addWhenMissing ? s + std::to_string(step) : s;
    // Add step to the decimal digits in place, keeping the width of leading zeros.
    const std::string digits = s.substr(start);
    long long value = 0;
    bool overflow = false;
    for (char c : digits) {
        if (value > 99999999999999LL) {
            overflow = true;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (overflow)
        return s;   // a number this long is no counter: leave it alone
    value += step;
    if (value < 0)
        value = 0;
    std::string next = std::to_string(value);
    if (next.size() < digits.size())
        next.insert(0, digits.size() - next.size(), '0');
    return s.substr(0, start) + next;
}
