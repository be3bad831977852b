// COpzLibCmp: settings and record of the book options.
#include "OpzLibCmp.h"

#include <fpstream.h>
#include <zor1inif.h>

namespace {
const char* const kSez = "OPZ-VARIE";
}

COpzLibCmp::COpzLibCmp() : CdElab(0), Switch{false, false, false, false}
{
    GetDaIni();
}

void COpzLibCmp::GetDaIni()
{
    CIniFile ini;
    File2Do3D = ini.GetBool(kSez, "File2Do3D", true);
    WriFilSto = ini.GetBool(kSez, "WriFilSto", false);
    CanCdAlfO = ini.GetBool(kSez, "CanCdAlfO", false);
}

bool COpzLibCmp::SetInIni() const
{
    CIniFile ini;
    bool ok = ini.WriteBool(kSez, "File2Do3D", File2Do3D);
    ok = ini.WriteBool(kSez, "WriFilSto", WriFilSto) && ok;
    ok = ini.WriteBool(kSez, "CanCdAlfO", CanCdAlfO) && ok;
    return ok;
}

bool COpzLibCmp::SalvaInFile(ofpstream& out, short /*v*/) const
{
    out.WriteInt16(CdElab);
    out.WriteBool(File2Do3D);
    out.WriteBool(WriFilSto);
    for (bool b : Switch)
        out.WriteBool(b);
    return out.good();
}

bool COpzLibCmp::LeggeDaFile(ifpstream& in, bool load, short /*v*/)
{
    COpzLibCmp r(*this);
    int16_t cd = 0;
    if (!in.ReadInt16(cd) || !in.ReadBoolB2(r.File2Do3D) || !in.ReadBoolB2(r.WriFilSto))
        return false;
    for (bool& b : r.Switch)
        if (!in.ReadBoolB2(b))
            return false;
    r.CdElab = cd;
    if (load)
        *this = r;
    return true;
}
