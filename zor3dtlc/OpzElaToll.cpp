// COpzElaToll: defaults, settings and record of the tolerances.
#include "OpzElaToll.h"

#include <fpstream.h>
#include <zor1inif.h>

namespace {
const char* const kSez = "OPZ-ELA";

// A tolerance kept in the settings file as value * factor.
struct Chiave {
    const char* key;
    double COpzElaToll::*field;
    double def;      // default in the settings file's units
    double factor;   // settings value / factor = stored value
};

constexpr Chiave kChiavi[] = {
    {"TlfPtDpDs", &COpzElaToll::TlfPtDpDs, 10, 1000},    {"TlpPtDpDs", &COpzElaToll::TlpPtDpDs, 1, 1000000},
    {"TlfPtDpAn", &COpzElaToll::TlfPtDpAn, 30, 10000},   {"TolPoliDs", &COpzElaToll::TolPoliDs, 6000, 1},
    {"TolPoliAn", &COpzElaToll::TolPoliAn, 1, 100},      {"TlfPoliQu", &COpzElaToll::TlfPoliQu, 5, 1000},
    {"TlpPoliQu", &COpzElaToll::TlpPoliQu, 5, 1000},     {"TolCalcCs", &COpzElaToll::TolCalcCs, 500, 1000},
    {"TolCalcCp", &COpzElaToll::TolCalcCp, 50, 1000},    {"TolCalcQu", &COpzElaToll::TolCalcQu, 50, 1000},
    {"AltMinPri", &COpzElaToll::AltMinPri, 1000, 1000},  {"AltMaxPri", &COpzElaToll::AltMaxPri, 5000, 1000},
    {"TlfPtDpQu", &COpzElaToll::TlfPtDpQu, 10, 1000},    {"TlpPtDpQu", &COpzElaToll::TlpPtDpQu, 1, 1000000},
};

// The file order of the fourteen doubles.
constexpr double COpzElaToll::*kOrdineFile[] = {
    &COpzElaToll::TlfPtDpDs, &COpzElaToll::TlpPtDpDs, &COpzElaToll::TlfPtDpAn, &COpzElaToll::TolPoliDs,
    &COpzElaToll::TolPoliAn, &COpzElaToll::TlfPoliQu, &COpzElaToll::TlpPoliQu, &COpzElaToll::TolCalcCs,
    &COpzElaToll::TolCalcCp, &COpzElaToll::TolCalcQu, &COpzElaToll::AltMinPri, &COpzElaToll::AltMaxPri,
    &COpzElaToll::TlfPtDpQu, &COpzElaToll::TlpPtDpQu,
};
}  // namespace

COpzElaToll::COpzElaToll()
{
    RisettaOpz();
    GetDaIni();
}

void COpzElaToll::RisettaOpz()
{
    RicAutoOr = true;
    MedPtSemp = false;
    CalcTolle = false;
    TlfPtDpDs = 0.01;
    TlpPtDpDs = 0.000001;
    TlfPtDpAn = 0.003;
    TolPoliDs = 6000;
    TolPoliAn = 0.01;
    TlfPoliQu = 0.005;
    TlpPoliQu = 0.005;
    TolCalcCs = 0.5;
    TolCalcCp = 0.05;
    TolCalcQu = 0.05;
    AltMinPri = 1.0;
    AltMaxPri = 5.0;
    TlfPtDpQu = 0.01;
    TlpPtDpQu = 0.000001;
}

void COpzElaToll::GetDaIni()
{
    CIniFile ini;
    RicAutoOr = ini.GetBool(kSez, "RicAutoOr", true);
    MedPtSemp = ini.GetBool(kSez, "MedPtSemp", false);
    CalcTolle = ini.GetBool(kSez, "CalcTolle", false);
    for (const Chiave& c : kChiavi)
        this->*c.field = ini.GetDouble(kSez, c.key, c.def) / c.factor;
}

bool COpzElaToll::SetInIni() const
{
    CIniFile ini;
    bool ok = ini.WriteBool(kSez, "RicAutoOr", RicAutoOr);
    ok = ini.WriteBool(kSez, "MedPtSemp", MedPtSemp) && ok;
    ok = ini.WriteBool(kSez, "CalcTolle", CalcTolle) && ok;
    for (const Chiave& c : kChiavi)
        ok = ini.WriteDouble(kSez, c.key, this->*c.field * c.factor) && ok;
    return ok;
}

bool COpzElaToll::SalvaInFile(ofpstream& out, short v) const
{
    out.WriteBool(RicAutoOr);
    out.WriteBool(CalcTolle);
    for (auto f : kOrdineFile)
        out.WriteDouble(this->*f);
    if (v >= 691)
        out.WriteBool(MedPtSemp);
    return out.good();
}

bool COpzElaToll::LeggeDaFile(ifpstream& in, bool load, short v)
{
    COpzElaToll r(*this);
    if (!in.ReadBoolB2(r.RicAutoOr) || !in.ReadBoolB2(r.CalcTolle))
        return false;
    for (auto f : kOrdineFile)
        if (!in.ReadDouble(r.*f))
            return false;
    if (v >= 691 && !in.ReadBoolB2(r.MedPtSemp))
        return false;
    if (v < 661) {
        // Books of that age had no height tolerances of their own.
        r.AltMinPri = 1.0;
        r.AltMaxPri = 5.0;
        r.TlfPtDpQu = 0.01;
        r.TlpPtDpQu = 0.000001;
    }
    if (load)
        *this = r;
    return true;
}
