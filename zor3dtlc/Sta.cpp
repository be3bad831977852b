// CSta: resets, copies, point sets and the station record.
#include "Sta.h"

#include <fpstream.h>
#include <zor0util.h>

#include <iterator>

void IncrPunItr(TPunSetItr& it)
{
    ++it;
}

CSta::CSta(CJob* owner) : Job(owner)
{
    AnnullaLeVarSta();
}

CSta::CSta(const CSta& o) : CEgn(o), Job(o.Job)
{
    CopiaValori(o);
}

CSta& CSta::operator=(const CSta& o)
{
    if (this != &o) {
        CEgn::operator=(o);
        CopiaValori(o);
    }
    return *this;
}

CSta::~CSta() = default;

void CSta::CopiaValori(const CSta& o)
{
    for (int i = 0; i < 3; ++i)
        ValRif[i] = o.ValRif[i];
    for (int i = 0; i < 4; ++i)
        ValLav[i] = o.ValLav[i];
    Temper = o.Temper;
    Pressi = o.Pressi;
    AltStr = o.AltStr;
    AnCoAz = o.AnCoAz;
    StCdOr = o.StCdOr;
    StCdQu = o.StCdQu;
    Dupp = o.Dupp;
    StrProgr = o.StrProgr;
}

void CSta::AnnullaLeVarSta()
{
    ValRif[0] = ValRif[1] = ValRif[2] = VAL_NON_VALIDO;
    ValLav[0] = ValLav[1] = ValLav[2] = ValLav[3] = 0;
    Temper = Pressi = AltStr = AnCoAz = VAL_NON_VALIDO;
    StCdOr = 1;
    StCdQu = 1;
    Dupp = false;
    StrProgr.clear();
}

void CSta::AnnullaTutteLeVar()
{
    CEgn::AnnullaTutteLeVar();
    AnnullaLeVarSta();
}

void CSta::IncStrProgr()
{
    StrProgr = IncrementaNuProg(StrProgr.c_str(), false, 1);
}

void CSta::TogliDaiPunSet(const CPun* p)
{
    CPun* key = const_cast<CPun*>(p);
    for (TPunSet* set : {&PunSetNor, &PunSetSpc}) {
        if (set->empty())
            continue;
        // Where the name still orders the point, its entries are among those
        // of its name; a point renamed after it was inserted is found by a scan.
        bool found = false;
        auto [lo, hi] = set->equal_range(key);
        for (auto it = lo; it != hi;) {
            if (*it == p) {
                it = set->erase(it);
                found = true;
            } else {
                ++it;
            }
        }
        if (found)
            continue;
        for (auto it = set->begin(); it != set->end();) {
            if (*it == p)
                it = set->erase(it);
            else
                ++it;
        }
    }
}

bool CSta::SalvaRecord(ofpstream& out, short v) const
{
    CEgn::SalvaInFile(out);
    out.WriteDouble(Temper);
    out.WriteDouble(Pressi);
    out.WriteDouble(AltStr);
    out.WriteDouble(AnCoAz);
    out.WriteBool(Dupp);
    if (v >= 690)
        for (double d : ValRif)
            out.WriteDouble(d);
    if (v >= 715)
        out.WriteString(StrProgr);
    return out.good();
}

bool CSta::LeggeRecord(ifpstream& in, short v)
{
    CSta r(*this);
    if (!r.CEgn::LeggeDaFile(in) || !in.ReadDouble(r.Temper) || !in.ReadDouble(r.Pressi) ||
        !in.ReadDouble(r.AltStr) || !in.ReadDouble(r.AnCoAz) || !in.ReadBoolB2(r.Dupp))
        return false;
    if (v >= 690 && !(in.ReadDouble(r.ValRif[0]) && in.ReadDouble(r.ValRif[1]) && in.ReadDouble(r.ValRif[2])))
        return false;
    if (v >= 715) {
        if (!in.ReadString(r.StrProgr))
            return false;
    } else {
        r.StrProgr.clear();
    }
    *this = r;
    return true;
}
