// CCalcDsOr: settings and record of the reduction options.
#include "CalcDsOr.h"

#include <fpstream.h>
#include <zor1inif.h>

namespace {
const char* const kSez = "CALC-DSOR";
}

CCalcDsOr::CCalcDsOr()
{
    GetDaIni();
}

void CCalcDsOr::GetDaIni()
{
    CIniFile ini;
    SferRifr = ini.GetBool(kSez, "SferRifr", false);
    RiduGeoi = ini.GetBool(kSez, "RiduGeoi", false);
    FattScal = ini.GetBool(kSez, "FattScal", false);
    IndcRifr = ini.GetDouble(kSez, "IndcRifr", 0.14);
    RaggTerr = ini.GetDouble(kSez, "RaggTerr", 6372500.0);
    QuotMedi = ini.GetDouble(kSez, "QuotMedi", 0.0);
    ValScala = ini.GetDouble(kSez, "ValScala", 1.0);
}

bool CCalcDsOr::SetInIni() const
{
    CIniFile ini;
    bool ok = ini.WriteBool(kSez, "SferRifr", SferRifr);
    ok = ini.WriteBool(kSez, "RiduGeoi", RiduGeoi) && ok;
    ok = ini.WriteBool(kSez, "FattScal", FattScal) && ok;
    ok = ini.WriteDouble(kSez, "IndcRifr", IndcRifr) && ok;
    ok = ini.WriteDouble(kSez, "RaggTerr", RaggTerr) && ok;
    ok = ini.WriteDouble(kSez, "QuotMedi", QuotMedi) && ok;
    ok = ini.WriteDouble(kSez, "ValScala", ValScala) && ok;
    return ok;
}

bool CCalcDsOr::SalvaInFile(ofpstream& out, short v) const
{
    out.WriteBool(SferRifr);
    out.WriteBool(RiduGeoi);
    out.WriteDouble(IndcRifr);
    out.WriteDouble(RaggTerr);
    out.WriteDouble(QuotMedi);
    if (v >= 715) {
        out.WriteBool(FattScal);
        out.WriteDouble(ValScala);
    }
    return out.good();
}

bool CCalcDsOr::LeggeDaFile(ifpstream& in, bool load, short v)
{
    CCalcDsOr r(*this);
    if (!in.ReadBoolB2(r.SferRifr) || !in.ReadBoolB2(r.RiduGeoi) || !in.ReadDouble(r.IndcRifr) ||
        !in.ReadDouble(r.RaggTerr) || !in.ReadDouble(r.QuotMedi))
        return false;
    if (v >= 715 && !(in.ReadBoolB2(r.FattScal) && in.ReadDouble(r.ValScala)))
        return false;
    if (load)
        *this = r;
    if (v < 715) {
        FattScal = false;
        ValScala = 1.0;
    }
    return true;
}
