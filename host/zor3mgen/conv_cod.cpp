// CConvCod: identity or table-driven conversion of instrument codes.
#include "zor3mgen.h"

#include <hostui.h>
#include <zor1inif.h>

#include <fstream>

namespace {
std::optional<std::string>& DefaultTable()
{
    static std::optional<std::string> path;
    return path;
}

std::optional<bool>& DefaultStrip()
{
    static std::optional<bool> strip;
    return strip;
}

void Trim(std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        s.clear();
        return;
    }
    const auto last = s.find_last_not_of(" \t\r\n");
    s = s.substr(first, last - first + 1);
}
}  // namespace

void CConvCod::SetFileTabellaPredefinita(std::optional<std::string> path)
{
    DefaultTable() = std::move(path);
}

void CConvCod::SetCancCodAlfPredefinito(std::optional<bool> strip)
{
    DefaultStrip() = strip;
}

CConvCod::CConvCod()
{
    // The settings file is read only for what the host has not set.
    std::optional<CIniFile> ini;
    if (!DefaultTable() || !DefaultStrip())
        ini.emplace();
    const std::string table = DefaultTable() ? *DefaultTable() : ini->GetString("CONV-COD", "FileTabella", std::string());
    CancCodAlf = DefaultStrip() ? *DefaultStrip() : ini->GetBool("CONV-COD", "CancCodAlf", false);
    if (!table.empty() && !CaricaTabella(table))
        hostui::MessageBox(hostui::Level::Warning,
                           "Impossibile leggere la tabella di conversione dei codici '" + table +
                               "': i codici sono importati senza conversione.",
                           "Conversione codici");
}

CConvCod::~CConvCod() = default;

bool CConvCod::CaricaTabella(const std::string& path)
{
    regole_.clear();
    scartate_ = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        Trim(line);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        const auto eq = line.find('=');
        std::string key = eq == std::string::npos ? std::string() : line.substr(0, eq);
        Trim(key);
        if (key.empty()) {
            ++scartate_;
            continue;
        }
        std::string value = line.substr(eq + 1);
        std::string attr;
        if (const auto bar = value.find('|'); bar != std::string::npos) {
            attr = value.substr(bar + 1);
            value.resize(bar);
        }
        Trim(value);
        Trim(attr);
        AggiungeRegola(key, value, attr);
    }
    return !in.bad();
}

void CConvCod::AggiungeRegola(const std::string& codStrum, const std::string& codRilievo,
                              const std::string& attributo)
{
    regole_[codStrum] = Regola{codRilievo, attributo};
}

const CConvCod::Regola* CConvCod::Trova(const std::string& code, std::string& resto) const
{
    resto.clear();
    if (regole_.empty())
        return nullptr;
    std::string whole = code;
    Trim(whole);
    if (auto it = regole_.find(whole); it != regole_.end())
        return &it->second;
    const auto blank = whole.find_first_of(" \t");
    if (blank == std::string::npos)
        return nullptr;
    if (auto it = regole_.find(whole.substr(0, blank)); it != regole_.end()) {
        resto = whole.substr(blank + 1);
        Trim(resto);
        return &it->second;
    }
    return nullptr;
}

const std::string& CConvCod::Converte(const std::string& text)
{
    std::string resto;
    const Regola* r = Trova(text, resto);
    if (!r) {
        risultato_ = text;
        return risultato_;
    }
    risultato_ = r->codice;
    if (!resto.empty()) {
        if (!risultato_.empty())
            risultato_ += ' ';
        risultato_ += resto;
    }
    return risultato_;
}

const std::string& CConvCod::IdenConvertito(const std::string& iden)
{
    return Converte(iden);
}

const std::string& CConvCod::CodeConvertito(const std::string& code)
{
    return Converte(code);
}

std::string CConvCod::ModalitaConver(const std::string& code) const
{
    std::string resto;
    const Regola* r = Trova(code, resto);
    return r ? r->attributo : std::string();
}
