// The PREGEO row pieces that need only numbers and texts.
#include "RighePregeo.h"

#include <zor0util.h>
#include <zor3dtct.h>

#include <cstring>

namespace pregeo {

std::string AddZero(const std::string& text, int width)
{
    if (width <= 0)
        return "";
    std::size_t w = static_cast<std::size_t>(width);
    if (text.size() >= w)
        return text.substr(0, w);
    return std::string(w - text.size(), '0') + text;
}

std::string AddSpace(const std::string& text, int width, bool right)
{
    if (width <= 0)
        return "";
    std::size_t w = static_cast<std::size_t>(width);
    if (text.size() >= w)
        return text.substr(0, w);
    std::string pad(w - text.size(), ' ');
    return right ? text + pad : pad + text;
}

std::string SenzaSeparatori(const std::string& text)
{
    std::string s = text;
    for (char& c : s) {
        if (c == '|')
            c = '/';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return s;
}

std::string TestoPulito(const std::string& text)
{
    std::string s = SenzaSeparatori(text);
    StringTrimBoth(s);
    return s;
}

std::string NomeConvertito(const std::string& name)
{
    std::string s = TestoPulito(name);
    StringToUpper(s);
    if (s.size() == 8 && s[0] == 'P' && s[1] == 'F')
        s.insert(4, "/");
    return s;
}

std::string NumeroOAsterischi(double v, int decimals)
{
    return EstValido(v) ? StringDaDouble(v, 0, decimals) : std::string("***");
}

std::vector<std::string> SpezzaRigaRelaz(const std::string& line, std::size_t width)
{
    std::vector<std::string> out;
    std::string rest = line;
    if (width == 0)
        width = 1;
    while (rest.size() > width) {
        std::size_t cut = rest.rfind(' ', width);
        if (cut == std::string::npos || cut == 0) {
            out.push_back(rest.substr(0, width));
            rest.erase(0, width);
        } else {
            out.push_back(rest.substr(0, cut));
            rest.erase(0, cut + 1);
        }
    }
    out.push_back(rest);
    return out;
}

namespace {
char CorreggiLettera(char c, const char* ammesse, char def)
{
    return (c != '\0' && std::strchr(ammesse, c) != nullptr) ? c : def;
}
}  // namespace

std::vector<std::string> RigheVertici(CRig& rig, const std::string& sep)
{
    std::vector<std::string> out;
    const int n = rig.GetVrtArSize();
    if (n <= 0)
        return out;
    const bool sette = rig.GetTipo() == '7';
    const std::string tipo(1, rig.GetTipo());
    for (int i = 0; i < n; ++i) {
        CCtsVrt* v = rig.GetVrtAt(i);
        v->SetColore(CorreggiLettera(v->GetColore(), "NPRVnprv", 'N'));
        v->SetTpLinea(CorreggiLettera(v->GetTpLinea(), "CDPTVcdptv", 'C'));
    }
    std::string line = tipo + sep + std::to_string(n) + sep;
    char prevC = rig.GetVrtAt(0)->GetColore();
    char prevT = rig.GetVrtAt(0)->GetTpLinea();
    int suRiga = 0;
    bool chiusuraScritta = false;
    for (int i = 0; i < n; ++i) {
        const CCtsVrt* v = rig.GetVrtAt(i);
        line += TestoPulito(v->GetNome()) + sep;
        ++suRiga;
        const bool cambia = i > 0 && (v->GetColore() != prevC || v->GetTpLinea() != prevT);
        if (cambia || i == n - 1 || suRiga == 10) {
            if (sette) {
                line += std::string(1, prevC) + std::string(1, prevT) + sep;
                if (!chiusuraScritta && rig.GetIntero1() == 1) {
                    line += TestoPulito(rig.GetEtich1()) + sep + TestoPulito(rig.GetEtich2()) + sep +
                            TestoPulito(rig.GetEtichMat()) + sep;
                    chiusuraScritta = true;
                }
            }
            out.push_back(line);
            line = tipo + sep + "0" + sep;
            suRiga = 0;
        }
        prevC = v->GetColore();
        prevT = v->GetTpLinea();
    }
    return out;
}

std::vector<std::string> CampiCensuario(const CCensRig& c, int& troppoLunghi)
{
    std::vector<std::string> f;
    auto testo = [&](const std::string& s, int w) {
        std::string t = TestoPulito(s);
        if (t.size() > static_cast<std::size_t>(w))
            ++troppoLunghi;
        f.push_back(AddSpace(t, w, true));
    };
    auto zeri = [&](const std::string& s, int w) {
        std::string t = TestoPulito(s);
        if (t.size() > static_cast<std::size_t>(w))
            ++troppoLunghi;
        return AddZero(t, w);
    };
    testo(c.Operazione, 1);
    testo(c.OrigPrinc, 5);
    f.push_back(zeri(c.SubOrig, 3));
    testo(c.IdProvv, 2);
    testo(c.IdDef, 5);
    f.push_back(zeri(c.Ettari, 5) + zeri(c.Are, 2) + zeri(c.Centiare, 2));
    testo(c.Natura, 2);
    if (c.GetGruppo() == 'A') {
        testo(c.CodAnnot, 3);
        f.push_back(zeri(c.Qualita, 3));
        testo(c.Classe, 2);
        testo(c.TestoAnnot, 20);
    } else {
        testo(c.LottiProvv, 2);
        testo(c.LottiDef, 5);
        f.push_back(zeri(c.Qualita, 3));
        testo(c.Classe, 2);
    }
    f.push_back(std::string(17, ' '));
    return f;
}

std::string RecordArchivio(const CCts& doc)
{
    std::string anno = TestoPulito(doc.GetAnno());
    if (anno.size() > 2)
        anno = anno.substr(anno.size() - 2);   // the last two digits, never the century
    std::string r = AddSpace(TestoPulito(doc.GetProt()), 6, true) + AddSpace(TestoPulito(doc.GetCdCm()), 5, true) +
                    AddZero(anno, 2) + AddSpace(TestoPulito(doc.GetFogl()), 4, true) + " " +
                    AddSpace(TestoPulito(doc.GetTcnC()), 20, true) + "I";
    return r;
}

}  // namespace pregeo
