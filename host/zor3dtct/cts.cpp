// CCts and its parts: the cadastral document in memory.
#include "zor3dtct.h"

#include <cctype>

namespace {
constexpr double kInvalido = 1.7e200;
}

CRig::CRig(char tipo) : Tipo(tipo), Reale1(kInvalido), Reale2(kInvalido) {}

CCtsVrt* CRig::GetVrtAt(int i)
{
    return (i >= 0 && i < GetVrtArSize()) ? &VrtAr[static_cast<size_t>(i)] : nullptr;
}

const CCtsVrt* CRig::GetVrtAt(int i) const
{
    return (i >= 0 && i < GetVrtArSize()) ? &VrtAr[static_cast<size_t>(i)] : nullptr;
}

CCtsVrt* CRig::AddVrt(const std::string& nome, char colore, char tpLinea)
{
    VrtAr.emplace_back(nome, colore, tpLinea);
    return &VrtAr.back();
}

CCts::CCts() = default;
CCts::~CCts() = default;

CCts::CCts(const CCts& o)
{
    *this = o;
}

CCts& CCts::operator=(const CCts& o)
{
    if (this == &o)
        return *this;
    Gior = o.Gior;
    Mese = o.Mese;
    Anno = o.Anno;
    Prot = o.Prot;
    CdCm = o.CdCm;
    Fogl = o.Fogl;
    Mapp = o.Mapp;
    TcnC = o.TcnC;
    TcnN = o.TcnN;
    Qualifica = o.Qualifica;
    NomeProv = o.NomeProv;
    RigAr.clear();
    for (const auto& r : o.RigAr)
        RigAr.push_back(std::make_unique<CRig>(*r));
    CensAr.clear();
    for (const auto& c : o.CensAr)
        CensAr.push_back(std::make_unique<CCensRig>(*c));
    OrdineCens = o.OrdineCens;
    Relaz = o.Relaz;
    Opz = o.Opz;
    return *this;
}

std::string CCts::GetQualificaDecodif() const
{
    static const char* const kNomi[] = {"Geometra",       "Ingegnere",        "Architetto", "Perito edile",
                                        "Perito agrario", "Dottore agronomo", "Agrotecnico"};
    if (Qualifica.size() == 1 && Qualifica[0] >= '1' && Qualifica[0] <= '7')
        return kNomi[Qualifica[0] - '1'];
    return Qualifica;
}

CRig* CCts::GetRigAt(int i)
{
    return (i >= 0 && i < GetRigArSize()) ? RigAr[static_cast<size_t>(i)].get() : nullptr;
}

const CRig* CCts::GetRigAt(int i) const
{
    return (i >= 0 && i < GetRigArSize()) ? RigAr[static_cast<size_t>(i)].get() : nullptr;
}

CRig* CCts::AddRig(char tipo)
{
    RigAr.push_back(std::make_unique<CRig>(tipo));
    return RigAr.back().get();
}

CCensRig* CCts::GetCensRigAt(int i)
{
    return (i >= 0 && i < GetCensRigArSize()) ? CensAr[static_cast<size_t>(i)].get() : nullptr;
}

const CCensRig* CCts::GetCensRigAt(int i) const
{
    return (i >= 0 && i < GetCensRigArSize()) ? CensAr[static_cast<size_t>(i)].get() : nullptr;
}

CCensRig* CCts::AddCensRig(char gruppo)
{
    CensAr.push_back(std::make_unique<CCensRig>(gruppo));
    return CensAr.back().get();
}

std::string CCts::GetRelazAt(int i) const
{
    return (i >= 0 && i < GetRelazArSize()) ? Relaz[static_cast<size_t>(i)] : std::string();
}

void CCts::Annulla()
{
    *this = CCts();
}

bool NomeStazionePregeoValido(const std::string& name)
{
    auto alnum = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    if (name.size() == 9 && name.compare(0, 2, "PF") == 0 && name[4] == '/') {
        for (size_t i = 0; i < name.size(); ++i)
            if (i != 4 && !alnum(name[i]))
                return false;
        return true;
    }
    if (name.empty() || name.size() > 8)
        return false;
    for (char c : name)
        if (!alnum(c))
            return false;
    return true;
}
