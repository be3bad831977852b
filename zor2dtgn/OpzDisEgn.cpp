// COpzDisEgn: resets, settings and the option-set record.
#include "OpzDisEgn.h"

#include "fpstream.h"

#include <zor1inif.h>

namespace {
struct ChiaveShort {
    const char* key;
    int16_t COpzDisEgn::*field;
    int16_t def;
};
struct ChiaveDouble {
    const char* key;
    double COpzDisEgn::*field;
    double def;
};
struct ChiaveTesto {
    const char* key;
    std::string COpzDisEgn::*field;
};

constexpr ChiaveShort kShort[] = {
    {"VisSimb", &COpzDisEgn::VisSimb, 1}, {"VisNome", &COpzDisEgn::VisNome, 1},
    {"VisDesc", &COpzDisEgn::VisDesc, 0}, {"VisQuot", &COpzDisEgn::VisQuot, 0},
    {"ColSimb", &COpzDisEgn::ColSimb, 3}, {"ColNome", &COpzDisEgn::ColNome, 3},
    {"ColDesc", &COpzDisEgn::ColDesc, 3}, {"ColQuot", &COpzDisEgn::ColQuot, 3},
    {"TipoSimb", &COpzDisEgn::TipoSimb, 1},
};
constexpr ChiaveDouble kDouble[] = {
    {"DimSimb", &COpzDisEgn::DimSimb, 1.0},   {"DimNome", &COpzDisEgn::DimNome, 1.0},
    {"DimDesc", &COpzDisEgn::DimDesc, 1.0},   {"DimQuot", &COpzDisEgn::DimQuot, 1.0},
    {"XPosNome", &COpzDisEgn::XPosNome, 1.0}, {"XPosDesc", &COpzDisEgn::XPosDesc, 1.0},
    {"XPosQuot", &COpzDisEgn::XPosQuot, 1.0}, {"YPosNome", &COpzDisEgn::YPosNome, -0.5},
    {"YPosDesc", &COpzDisEgn::YPosDesc, 0.8}, {"YPosQuot", &COpzDisEgn::YPosQuot, -1.8},
    {"ARotSimb", &COpzDisEgn::ARotSimb, 0.0}, {"ARotNome", &COpzDisEgn::ARotNome, 0.0},
    {"ARotDesc", &COpzDisEgn::ARotDesc, 0.0}, {"ARotQuot", &COpzDisEgn::ARotQuot, 0.0},
};
constexpr ChiaveTesto kTesto[] = {
    {"StiNome", &COpzDisEgn::StiNome}, {"StiDesc", &COpzDisEgn::StiDesc}, {"StiQuot", &COpzDisEgn::StiQuot}};

// The ten doubles of the record, in file order.
constexpr double COpzDisEgn::*kRecDouble[] = {
    &COpzDisEgn::DimSimb,  &COpzDisEgn::DimNome,  &COpzDisEgn::DimDesc,  &COpzDisEgn::DimQuot,
    &COpzDisEgn::XPosNome, &COpzDisEgn::XPosDesc, &COpzDisEgn::XPosQuot, &COpzDisEgn::YPosNome,
    &COpzDisEgn::YPosDesc, &COpzDisEgn::YPosQuot,
};
constexpr double COpzDisEgn::*kRecRot[] = {&COpzDisEgn::ARotSimb, &COpzDisEgn::ARotNome,
                                           &COpzDisEgn::ARotDesc, &COpzDisEgn::ARotQuot};
}  // namespace

COpzDisEgn::COpzDisEgn(const char* iniKeyBase)
{
    for (int16_t& s : Switch)
        s = 1;
    Spazio = "Mondo";
    IniKeyBase = std::string(iniKeyBase ? iniKeyBase : "").substr(0, MAX_INI_KEY);
    SetNomeOpz("Nuovo");
    COpzDisEgn::doRisettaOpz();
    COpzDisEgn::doGetDaIni();
}

COpzDisEgn::~COpzDisEgn() = default;

std::unique_ptr<COpzDisEgn> COpzDisEgn::Clone() const
{
    return std::make_unique<COpzDisEgn>(*this);
}

void COpzDisEgn::doRisettaOpz()
{
    for (const ChiaveShort& c : kShort)
        this->*c.field = c.def;
    for (const ChiaveDouble& c : kDouble)
        this->*c.field = c.def;
    for (const ChiaveTesto& c : kTesto)
        this->*c.field = "STANDARD";
    Spazio = "Mondo";
    for (int16_t& s : Switch)
        s = 1;
}

void COpzDisEgn::doGetDaIni()
{
    CIniFile ini;
    const char* sez = IniKeyFull.c_str();
    for (const ChiaveShort& c : kShort)
        this->*c.field = ini.GetShort(sez, c.key, c.def);
    for (const ChiaveDouble& c : kDouble)
        this->*c.field = ini.GetDouble(sez, c.key, c.def);
    for (const ChiaveTesto& c : kTesto)
        this->*c.field = ini.GetString(sez, c.key, std::string("STANDARD"));
}

void COpzDisEgn::doSetInIni() const
{
    CIniFile ini;
    const char* sez = IniKeyFull.c_str();
    ini.WriteString(sez, "NomeOpz", NomeOpz.c_str());
    for (const ChiaveShort& c : kShort)
        ini.WriteShort(sez, c.key, this->*c.field);
    for (const ChiaveTesto& c : kTesto)
        ini.WriteString(sez, c.key, (this->*c.field).c_str());
    for (const ChiaveDouble& c : kDouble)
        ini.WriteDouble(sez, c.key, this->*c.field);
}

void COpzDisEgn::SetInIniIfNotIsIn() const
{
    CIniFile ini;
    if (ini.GetShort(IniKeyFull.c_str(), "VisSimb", -1) == -1)
        SetInIni();
}

void COpzDisEgn::RifaIniKeyFull()
{
    IniKeyFull = (IniKeyBase + "_" + NomeOpz).substr(0, MAX_INI_KEY);
}

void COpzDisEgn::SetNomeOpz(const std::string& name)
{
    NomeOpz = name;
    RifaIniKeyFull();
}

void COpzDisEgn::SetIniKeyBase(const char* base)
{
    IniKeyBase = std::string(base ? base : "").substr(0, MAX_INI_KEY);
    RifaIniKeyFull();
}

bool COpzDisEgn::SalvaInFile(ofpstream& out, short /*v*/) const
{
    const short v = out.GetVersion();
    for (int16_t s : {VisSimb, VisNome, VisDesc, VisQuot, ColSimb, ColNome, ColDesc, ColQuot, TipoSimb})
        out.WriteInt16(s);
    out.WriteString(StiNome);
    out.WriteString(StiDesc);
    out.WriteString(StiQuot);
    for (auto f : kRecDouble)
        out.WriteDouble(this->*f);
    if (v >= 710)
        out.WriteString(Spazio);
    if (v >= 715) {
        out.WriteString(NomeOpz);
        out.WriteBool(false);
        for (auto f : kRecRot)
            out.WriteDouble(this->*f);
    }
    return out.good();
}

bool COpzDisEgn::LeggeDaFile(ifpstream& in, bool load, short /*v*/)
{
    const short v = in.GetVersion();
    COpzDisEgn r(*this);
    for (int16_t* s : {&r.VisSimb, &r.VisNome, &r.VisDesc, &r.VisQuot, &r.ColSimb, &r.ColNome, &r.ColDesc,
                       &r.ColQuot, &r.TipoSimb})
        if (!in.ReadInt16(*s))
            return false;
    if (!in.ReadString(r.StiNome) || !in.ReadString(r.StiDesc) || !in.ReadString(r.StiQuot))
        return false;
    for (auto f : kRecDouble)
        if (!in.ReadDouble(r.*f))
            return false;
    if (v >= 710 && !in.ReadString(r.Spazio))
        return false;
    std::string nome = NomeOpz;
    if (v >= 715) {
        bool ignorato = false;
        if (!in.ReadString(nome) || !in.ReadBoolB1(ignorato))
            return false;
        for (auto f : kRecRot)
            if (!in.ReadDouble(r.*f))
                return false;
    }
    if (!load)
        return true;
    // Copy the values only: this set keeps its own class and keys.
    const std::string base = IniKeyBase;
    COpzDisEgn::operator=(r);
    IniKeyBase = base;
    SetNomeOpz(nome);
    return true;
}
