// COpzListDisEtp and its option-set classes: defaults, settings and the
// drawing-option block of the field book at every version.
#include "OpzListDisEtp.h"

#include <fpstream.h>
#include <zor1inif.h>

namespace {
const char* const kNomi[COpzListDisEtp::NU_OPZ_ETP] = {"Stazioni", "Punti Dettaglio", "Punti Dett. OR",
                                                      "Punti Dett. PO", "Punti di Orientamento"};

void Colori(COpzDisEgn& s, int16_t c)
{
    s.ColSimb = s.ColNome = s.ColDesc = s.ColQuot = c;
}

void LeggiColori(COpzDisEgn& s, const CIniFile& ini, int16_t def)
{
    const std::string key = s.GetIniKeyFull();
    const char* sez = key.c_str();
    s.ColSimb = ini.GetShort(sez, "ColSimb", def);
    s.ColNome = ini.GetShort(sez, "ColNome", def);
    s.ColDesc = ini.GetShort(sez, "ColDesc", def);
    s.ColQuot = ini.GetShort(sez, "ColQuot", def);
}
}  // namespace

void COpzDisStaEtp::doRisettaOpz()
{
    COpzDisEgn::doRisettaOpz();
    Colori(*this, 5);
    TipoSimb = 3;
}

void COpzDisStaEtp::doGetDaIni()
{
    COpzDisEgn::doGetDaIni();
    CIniFile ini;
    LeggiColori(*this, ini, 5);
    TipoSimb = ini.GetShort(GetIniKeyFull().c_str(), "TipoSimb", 3);
}

void COpzDisPunEtp::doRisettaOpz()
{
    COpzDisEgn::doRisettaOpz();
    Colori(*this, 3);
    TipoSimb = 1;
}

void COpzDisPunEtp::doGetDaIni()
{
    COpzDisEgn::doGetDaIni();
    CIniFile ini;
    LeggiColori(*this, ini, 3);
    TipoSimb = ini.GetShort(GetIniKeyFull().c_str(), "TipoSimb", 1);
}

void COpzDisPcdEtp::doRisettaOpz()
{
    COpzDisPunEtp::doRisettaOpz();
    VisSimb = 0;
}

void COpzDisPcdEtp::doGetDaIni()
{
    COpzDisPunEtp::doGetDaIni();
    CIniFile ini;
    VisSimb = ini.GetShort(GetIniKeyFull().c_str(), "VisSimb", 0);
}

void COpzDisOriEtp::doRisettaOpz()
{
    COpzDisEgn::doRisettaOpz();
    VisSimb = 0;
    Colori(*this, 4);
    TipoSimb = 6;
}

void COpzDisOriEtp::doGetDaIni()
{
    COpzDisEgn::doGetDaIni();
    CIniFile ini;
    const std::string key = GetIniKeyFull();
    const char* sez = key.c_str();
    VisSimb = ini.GetShort(sez, "VisSimb", 0);
    LeggiColori(*this, ini, 4);
    TipoSimb = ini.GetShort(sez, "TipoSimb", 6);
}

COpzListDisEtp::COpzListDisEtp(COpzListDisEgn* common) : COpzListDisEgn(common, INI_KEY_DIS_ETP)
{
    std::unique_ptr<COpzDisEgn> sets[NU_OPZ_ETP] = {
        std::make_unique<COpzDisStaEtp>(), std::make_unique<COpzDisPunEtp>(), std::make_unique<COpzDisPcdEtp>(),
        std::make_unique<COpzDisPcdEtp>(), std::make_unique<COpzDisOriEtp>()};
    // The five sets take the first positions, also when the list is its own
    // common list and already holds shared sets.
    for (int i = 0; i < NU_OPZ_ETP; ++i) {
        sets[i]->SetNomeOpz(kNomi[i]);
        InsOpzNorAt(std::move(sets[i]), i);
    }
}

COpzListDisEtp::~COpzListDisEtp() = default;

void COpzListDisEtp::SetOpzToDef(int kind)
{
    for (int i = 0; i < NU_OPZ_ETP; ++i) {
        COpzDisEgn* s = GetOpzNor(i);
        if (!s)
            continue;
        s->RisettaOpz();
        if (kind >= 0) {
            s->GetDaIni();
        } else {
            const int16_t vis = (i == OPZ_STA || i == OPZ_PUN) ? 1 : 0;
            s->VisSimb = s->VisNome = s->VisDesc = s->VisQuot = vis;
        }
    }
}

bool COpzListDisEtp::SalvaInFile(ofpstream& out, short v) const
{
    if (v >= 720)
        return COpzListDisEgn::SalvaInFile(out, v);
    if (v >= 690) {
        SalvaInFileDataList(out, v);
        for (int i = 0; i < NU_OPZ_ETP; ++i)
            if (const COpzDisEgn* s = GetOpzNor(i))
                s->SalvaInFile(out, v);
        return out.good();
    }
    // The short layout of old books.
    for (int i : {int(OPZ_STA), int(OPZ_PUN), int(OPZ_ORI)}) {
        const COpzDisEgn* s = GetOpzNor(i);
        out.WriteInt16(s ? s->VisSimb : 0);
        out.WriteInt16(s ? s->ColSimb : 0);
        out.WriteBool(s && s->VisNome > 0);
        out.WriteBool(s && s->VisDesc > 0);
        out.WriteBool(s && s->VisQuot > 0);
    }
    out.WriteInt16(ColLinee);
    out.WriteDouble(GetOpzPun() ? GetOpzPun()->DimSimb : 1.0);
    if (v >= 670)
        out.WriteUInt8(static_cast<uint8_t>('0' + NDecQuot));
    return out.good();
}

bool COpzListDisEtp::LeggeCorto(ifpstream& in, short v)
{
    struct Tipo {
        int16_t visSimb = 0, colSimb = 0;
        bool nome = false, desc = false, quot = false;
    } t[3];
    for (Tipo& x : t)
        if (!in.ReadInt16(x.visSimb) || !in.ReadInt16(x.colSimb) || !in.ReadBoolB2(x.nome) ||
            !in.ReadBoolB2(x.desc) || !in.ReadBoolB2(x.quot))
            return false;
    int16_t colLinee = 0;
    double dim = 0;
    uint8_t dec = '0' + 3;
    if (!in.ReadInt16(colLinee) || !in.ReadDouble(dim))
        return false;
    if (v >= 670 && !in.ReadUInt8(dec))
        return false;

    auto etichette = [](COpzDisEgn& s, const Tipo& x) {
        s.VisNome = x.nome ? 1 : 0;
        s.VisDesc = x.desc ? 1 : 0;
        s.VisQuot = x.quot ? 1 : 0;
        Colori(s, x.colSimb);
    };
    for (int i = 0; i < NU_OPZ_ETP; ++i)
        if (COpzDisEgn* s = GetOpzNor(i))
            s->RisettaOpz();
    if (COpzDisEgn* s = GetOpzSta()) {
        etichette(*s, t[0]);
        s->VisSimb = t[0].visSimb;
        s->TipoSimb = 3;
    }
    for (int i : {int(OPZ_PUN), int(OPZ_PUN_OR), int(OPZ_PUN_PO)}) {
        if (COpzDisEgn* s = GetOpzNor(i)) {
            etichette(*s, t[1]);
            s->VisSimb = (i == OPZ_PUN && t[1].visSimb > 0) ? 1 : 0;
            s->TipoSimb = (t[1].visSimb == 2) ? 1 : 0;
        }
    }
    if (COpzDisEgn* s = GetOpzOri()) {
        etichette(*s, t[2]);
        s->VisSimb = t[2].visSimb;
        s->TipoSimb = 6;
    }
    for (int i = 0; i < NU_OPZ_ETP; ++i)
        if (COpzDisEgn* s = GetOpzNor(i))
            s->DimSimb = s->DimNome = s->DimDesc = s->DimQuot = dim;
    ColLinee = colLinee;
    NDecQuot = static_cast<int16_t>(dec - '0');
    return true;
}

void COpzListDisEtp::AssegnaValori(const COpzListDisEtp& o)
{
    if (&o == this)
        return;
    CopiaDataList(o);
    for (int i = 0; i < GetNuOpzNor() && i < o.GetNuOpzNor(); ++i)
        *GetOpzNor(i) = *o.GetOpzNor(i);
}

bool COpzListDisEtp::LeggeDaFile(ifpstream& in, bool load, short v)
{
    if (v >= 720)
        return LeggeDaFileOpzExist(in, load, v);
    COpzListDisEtp r(*this);
    if (v >= 690) {
        if (!r.LeggeDaFileDataList(in, true, v))
            return false;
        COpzDisEgn scarto(INI_KEY_DIS_ETP);
        for (int i = 0; i < NU_OPZ_ETP; ++i) {
            COpzDisEgn* s = r.GetOpzNor(i);
            if (!(s ? s : &scarto)->LeggeDaFile(in, true, v))
                return false;
        }
        for (int i = 0; i < NU_OPZ_ETP; ++i)
            if (COpzDisEgn* s = r.GetOpzNor(i))
                s->SetNomeOpz(kNomi[i]);
    } else if (!r.LeggeCorto(in, v)) {
        return false;
    }
    if (load)
        AssegnaValori(r);
    return true;
}
