// The text file of the cadastral document: writing and reading.
#include "zor3dtct.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr double kInvalido = 1.7e200;
constexpr std::size_t kMaxCampi = 32;   // more fields than any record has is an error

bool Valido(double v)
{
    return std::isfinite(v) && v < 8.5e199;
}

std::string Escape(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '|': out += "\\|"; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Reale(double v)
{
    if (!Valido(v))
        return "";
    // The shortest text that reads back as the same number, "." in every locale.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

void Record(std::string& out, std::initializer_list<std::string> fields)
{
    bool first = true;
    for (const auto& f : fields) {
        if (!first)
            out += '|';
        out += first ? f : Escape(f);
        first = false;
    }
    out += '\n';
}

// Splits a line into its unescaped fields; false when a field count is absurd.
bool Campi(std::string_view line, std::vector<std::string>& f)
{
    f.clear();
    f.emplace_back();
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            char n = line[++i];
            f.back() += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else if (c == '|') {
            if (f.size() >= kMaxCampi)
                return false;
            f.emplace_back();
        } else {
            f.back() += c;
        }
    }
    return true;
}

// A real: empty is invalid; otherwise the whole field must be a number.
bool LeggeReale(const std::string& s, double& v)
{
    if (s.empty()) {
        v = kInvalido;
        return true;
    }
    for (char c : s)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    char* end = nullptr;
    errno = 0;
    double d = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(d))
        return false;
    v = d;
    return true;
}

bool LeggeIntero(const std::string& s, int& v)
{
    if (s.empty()) {
        v = 0;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    long long n = std::strtoll(s.c_str(), &end, 10);
    if (end != s.c_str() + s.size() || errno == ERANGE || n < std::numeric_limits<int>::min() ||
        n > std::numeric_limits<int>::max())
        return false;
    v = static_cast<int>(n);
    return true;
}

const std::string& Campo(const std::vector<std::string>& f, std::size_t i)
{
    static const std::string vuoto;
    return i < f.size() ? f[i] : vuoto;
}

}  // namespace

std::string CCts::SalvaInTesto() const
{
    std::string out = "# Documento catastale di rilievo\n";
    Record(out, {"CTS", "1"});
    Record(out, {"DATA", Gior, Mese, Anno});
    Record(out, {"PROTOCOLLO", Prot});
    Record(out, {"COMUNE", CdCm});
    Record(out, {"FOGLIO", Fogl});
    Record(out, {"MAPPALE", Mapp});
    Record(out, {"TECNICO", TcnC, TcnN});
    Record(out, {"QUALIFICA", Qualifica});
    Record(out, {"PROVINCIA", NomeProv});
    Record(out, {"OPZIONI", Opz.GetUsaPregeo() ? "1" : "0", Opz.GetPathPregeo(), std::to_string(Opz.GetVal1())});
    for (const auto& r : RigAr) {
        Record(out, {"RIGA", std::string(1, r->GetTipo()), r->GetEtich1(), r->GetEtich2(), r->GetEtichMat(),
                     Reale(r->GetReale1()), Reale(r->GetReale2()), std::to_string(r->GetIntero1()),
                     std::to_string(r->GetIntero2())});
        for (int i = 0; i < r->GetVrtArSize(); ++i) {
            const CCtsVrt* v = r->GetVrtAt(i);
            Record(out, {"VERTICE", v->GetNome(), std::string(1, v->GetColore()), std::string(1, v->GetTpLinea())});
        }
    }
    for (const auto& l : Relaz)
        Record(out, {"RELAZIONE", l});
    Record(out, {"ORDINE-CENSUARIO", OrdineCens});
    for (const auto& c : CensAr)
        Record(out, {"CENSUARIO", std::string(1, c->GetGruppo()), c->Operazione, c->OrigPrinc, c->SubOrig, c->IdProvv,
                     c->IdDef, c->Ettari, c->Are, c->Centiare, c->Natura, c->LottiProvv, c->LottiDef, c->Qualita,
                     c->Classe, c->CodAnnot, c->TestoAnnot});
    return out;
}

bool CCts::LeggeDaTesto(std::string_view text, std::string& err)
{
    CCts doc;
    std::vector<std::string> f;
    bool intestato = false;
    CRig* ultima = nullptr;
    std::size_t pos = 0;
    long numero = 0;
    auto errore = [&](const std::string& why) {
        err = "riga " + std::to_string(numero) + ": " + why;
        return false;
    };
    while (pos < text.size()) {
        std::size_t fine = text.find('\n', pos);
        if (fine == std::string_view::npos)
            fine = text.size();
        std::string_view line = text.substr(pos, fine - pos);
        pos = fine + 1;
        ++numero;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::size_t primo = line.find_first_not_of(" \t");
        if (primo == std::string_view::npos || line[primo] == '#')
            continue;
        if (!Campi(line, f))
            return errore("troppi campi");
        const std::string& tag = f[0];
        if (!intestato) {
            if (tag != "CTS")
                return errore("il file non inizia con CTS|1: non e' un documento catastale");
            if (Campo(f, 1) != "1")
                return errore("versione del documento non gestita: " + Campo(f, 1));
            intestato = true;
            continue;
        }
        if (tag == "DATA") {
            doc.SetData(Campo(f, 1), Campo(f, 2), Campo(f, 3));
        } else if (tag == "PROTOCOLLO") {
            doc.Prot = Campo(f, 1);
        } else if (tag == "COMUNE") {
            doc.CdCm = Campo(f, 1);
        } else if (tag == "FOGLIO") {
            doc.Fogl = Campo(f, 1);
        } else if (tag == "MAPPALE") {
            doc.Mapp = Campo(f, 1);
        } else if (tag == "TECNICO") {
            doc.TcnC = Campo(f, 1);
            doc.TcnN = Campo(f, 2);
        } else if (tag == "QUALIFICA") {
            doc.Qualifica = Campo(f, 1);
        } else if (tag == "PROVINCIA") {
            doc.NomeProv = Campo(f, 1);
        } else if (tag == "OPZIONI") {
            int usa = 0, val = 0;
            if (!LeggeIntero(Campo(f, 1), usa) || !LeggeIntero(Campo(f, 3), val))
                return errore("opzioni non valide");
            doc.Opz.SetUsaPregeo(usa != 0);
            doc.Opz.SetPathPregeo(Campo(f, 2));
            doc.Opz.SetVal1(val);
        } else if (tag == "RIGA") {
            const std::string& tipo = Campo(f, 1);
            if (tipo.size() != 1 || std::strchr("LS3456789", tipo[0]) == nullptr)
                return errore("tipo di riga non valido: '" + tipo + "'");
            double r1 = kInvalido, r2 = kInvalido;
            int i1 = 0, i2 = 0;
            if (!LeggeReale(Campo(f, 5), r1) || !LeggeReale(Campo(f, 6), r2))
                return errore("numero reale non valido");
            if (!LeggeIntero(Campo(f, 7), i1) || !LeggeIntero(Campo(f, 8), i2))
                return errore("numero intero non valido");
            ultima = doc.AddRig(tipo[0]);
            ultima->SetEtich1(Campo(f, 2));
            ultima->SetEtich2(Campo(f, 3));
            ultima->SetEtichMat(Campo(f, 4));
            ultima->SetReale1(r1);
            ultima->SetReale2(r2);
            ultima->SetIntero1(i1);
            ultima->SetIntero2(i2);
        } else if (tag == "VERTICE") {
            if (ultima == nullptr)
                return errore("VERTICE prima di ogni RIGA");
            const std::string& c = Campo(f, 2);
            const std::string& t = Campo(f, 3);
            if (c.size() > 1 || t.size() > 1)
                return errore("lettere di stile del vertice non valide");
            ultima->AddVrt(Campo(f, 1), c.empty() ? 'N' : c[0], t.empty() ? 'C' : t[0]);
        } else if (tag == "RELAZIONE") {
            doc.Relaz.push_back(Campo(f, 1));
        } else if (tag == "ORDINE-CENSUARIO") {
            doc.OrdineCens = Campo(f, 1);
        } else if (tag == "CENSUARIO") {
            const std::string& g = Campo(f, 1);
            if (g.size() != 1 || std::strchr("AFM", g[0]) == nullptr)
                return errore("gruppo censuario non valido: '" + g + "'");
            CCensRig* c = doc.AddCensRig(g[0]);
            std::string* campi[] = {&c->Operazione, &c->OrigPrinc, &c->SubOrig,  &c->IdProvv,    &c->IdDef,
                                    &c->Ettari,     &c->Are,       &c->Centiare, &c->Natura,     &c->LottiProvv,
                                    &c->LottiDef,   &c->Qualita,   &c->Classe,   &c->CodAnnot,   &c->TestoAnnot};
            for (std::size_t i = 0; i < std::size(campi); ++i)
                *campi[i] = Campo(f, i + 2);
        } else {
            return errore("record sconosciuto: '" + tag + "'");
        }
    }
    if (!intestato) {
        err = "documento vuoto: manca la riga CTS|1";
        return false;
    }
    *this = std::move(doc);
    return true;
}

bool CCts::SalvaInFile(const std::string& path, std::string& err) const
{
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) {
        err = "impossibile creare " + tmp + ": " + std::strerror(errno);
        return false;
    }
    const std::string text = SalvaInTesto();
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        err = "impossibile scrivere " + path + ": " + std::strerror(errno);
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

bool CCts::LeggeDaFile(const std::string& path, std::string& err)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        err = "impossibile aprire " + path + ": " + std::strerror(errno);
        return false;
    }
    std::string text;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        text.append(buf, n);
    bool readErr = std::ferror(f) != 0;
    std::fclose(f);
    if (readErr) {
        err = "errore di lettura di " + path;
        return false;
    }
    if (!LeggeDaTesto(text, err)) {
        err = path + ", " + err;
        return false;
    }
    return true;
}
