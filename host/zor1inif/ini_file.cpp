// CIniFile: reading and writing the settings file.
#include "zor1inif.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace {
// A settings file larger than this is not one of ours: it is read no further.
constexpr std::uintmax_t kMaxSettingsBytes = 16u << 20;

bool SameName(const std::string& a, const char* b)
{
    const size_t n = a.size();
    size_t i = 0;
    for (; i < n && b[i] != '\0'; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y)
            return false;
    }
    return i == n && b[i] == '\0';
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Keys and values must not break the line structure of the file.
std::string OneLine(const char* s)
{
    std::string out = s ? s : "";
    std::replace(out.begin(), out.end(), '\n', ' ');
    std::replace(out.begin(), out.end(), '\r', ' ');
    return out;
}
}  // namespace

CIniFile::CIniFile() : CIniFile(DefaultPath()) {}

CIniFile::CIniFile(std::string path) : path_(std::move(path))
{
    Load();
}

std::string CIniFile::DefaultPath()
{
    if (const char* p = std::getenv("RILIEVO_INI"); p && *p)
        return p;
    std::string base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        base = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        base = std::string(h) + "/.config";
    else
        base = ".";
    return base + "/rilievo/rilievo.ini";
}

void CIniFile::Load()
{
    sections_.clear();
    sections_.push_back(Section{});
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return;
    std::string line;
    std::uintmax_t total = 0;
    while (std::getline(in, line) && total <= kMaxSettingsBytes) {
        total += line.size() + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string t = Trimmed(line);
        if (!t.empty() && t.front() == '[' && t.back() == ']') {
            sections_.push_back(Section{Trimmed(t.substr(1, t.size() - 2)), {}});
            continue;
        }
        Line l{line, {}, {}};
        const auto eq = line.find('=');
        if (!t.empty() && t.front() != ';' && t.front() != '#' && eq != std::string::npos) {
            l.key = Trimmed(line.substr(0, eq));
            l.value = Trimmed(line.substr(eq + 1));
        }
        sections_.back().lines.push_back(std::move(l));
    }
}

bool CIniFile::Save() const
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path_);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    const std::string tmp = path_ + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        for (size_t s = 0; s < sections_.size(); ++s) {
            if (s > 0)
                out << '[' << sections_[s].name << "]\n";
            for (const Line& l : sections_[s].lines)
                out << (l.key.empty() ? l.text : l.key + "=" + l.value) << '\n';
        }
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tmp, ec);
            return false;
        }
    }
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

const std::string* CIniFile::Find(const char* section, const char* key) const
{
    if (!section || !key)
        return nullptr;
    for (size_t s = 1; s < sections_.size(); ++s) {
        if (!SameName(sections_[s].name, section))
            continue;
        for (const Line& l : sections_[s].lines)
            if (!l.key.empty() && SameName(l.key, key))
                return &l.value;
    }
    return nullptr;
}

bool CIniFile::Store(const char* section, const char* key, const std::string& value)
{
    if (!section || !key || !*section || !*key)
        return false;
    Section* sec = nullptr;
    for (size_t s = 1; s < sections_.size() && !sec; ++s)
        if (SameName(sections_[s].name, section))
            sec = &sections_[s];
    if (!sec) {
        sections_.push_back(Section{OneLine(section), {}});
        sec = &sections_.back();
    }
    const std::string k = OneLine(key);
    Line* found = nullptr;
    for (Line& l : sec->lines)
        if (!l.key.empty() && SameName(l.key, key)) {
            found = &l;
            break;
        }
    if (found)
        found->value = value;
    else
        sec->lines.push_back(Line{{}, Trimmed(k), value});
    return Save();
}

short CIniFile::GetShort(const char* section, const char* key, short def) const
{
    const std::string* v = Find(section, key);
    if (!v || v->empty())
        return def;
    int value = 0;
    const char* b = v->data();
    const char* e = b + v->size();
    if (*b == '+')
        ++b;
    const auto res = std::from_chars(b, e, value);
    if (res.ec != std::errc() || res.ptr != e || value < -32768 || value > 32767)
        return def;
    return static_cast<short>(value);
}

bool CIniFile::GetBool(const char* section, const char* key, bool def) const
{
    const std::string* v = Find(section, key);
    if (!v)
        return def;
    if (*v == "1" || SameName(*v, "true") || SameName(*v, "yes") || SameName(*v, "si"))
        return true;
    if (*v == "0" || SameName(*v, "false") || SameName(*v, "no"))
        return false;
    return def;
}

double CIniFile::GetDouble(const char* section, const char* key, double def) const
{
    const std::string* v = Find(section, key);
    if (!v || v->empty())
        return def;
    double value = 0.0;
    const char* b = v->data();
    const char* e = b + v->size();
    if (*b == '+')
        ++b;
    const auto res = std::from_chars(b, e, value);
    if (res.ec != std::errc() || res.ptr != e)
        return def;
    return value;
}

std::string CIniFile::GetString(const char* section, const char* key, const std::string& def) const
{
    const std::string* v = Find(section, key);
    return v ? *v : def;
}

int CIniFile::GetString(const char* section, const char* key, const char* def, char* buffer, int size) const
{
    if (!buffer || size <= 0)
        return 0;
    const std::string text = GetString(section, key, std::string(def ? def : ""));
    const size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::copy_n(text.data(), n, buffer);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

void CIniFile::GetLastFile(const char* section, const char* key1, const char* key2, const char* key3,
                           const char* key4, char* buffer, int size) const
{
    if (!buffer || size <= 0)
        return;
    buffer[0] = '\0';
    for (const char* key : {key1, key2, key3, key4}) {
        const std::string* v = Find(section, key);
        if (v && !v->empty()) {
            GetString(section, key, "", buffer, size);
            return;
        }
    }
}

bool CIniFile::WriteShort(const char* section, const char* key, short value)
{
    return Store(section, key, std::to_string(value));
}

bool CIniFile::WriteBool(const char* section, const char* key, bool value)
{
    return Store(section, key, value ? "1" : "0");
}

bool CIniFile::WriteDouble(const char* section, const char* key, double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);   // shortest text that reads back exactly
    return Store(section, key, std::string(buf, res.ptr));
}

bool CIniFile::WriteString(const char* section, const char* key, const char* value)
{
    return Store(section, key, OneLine(value));
}
