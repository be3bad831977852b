// CMemOrSta: entries, lookups and the file block.
#include "MemOrSta.h"

#include "LibCmp.h"

#include <fpstream.h>

int CMemOrSta::AddArInf(const TInfOrSta& e)
{
    Inf.push_back(e);
    return GetNuArInf() - 1;
}

void CMemOrSta::DelInfSta(int i)
{
    if (i >= 0 && i < GetNuArInf())
        Inf.erase(Inf.begin() + i);
}

CMemOrSta::TInfOrSta* CMemOrSta::GetInfSta(int i)
{
    return (i >= 0 && i < GetNuArInf()) ? &Inf[static_cast<size_t>(i)] : nullptr;
}

int CMemOrSta::AddCombPerSta(int i, const TInfCombPt& c)
{
    TInfOrSta* e = GetInfSta(i);
    if (!e)
        return -1;
    e->Comb.push_back(c);
    return static_cast<int>(e->Comb.size()) - 1;
}

void CMemOrSta::DelCombPerSta(int i)
{
    if (TInfOrSta* e = GetInfSta(i))
        e->Comb.clear();
}

int CMemOrSta::GetNuCombPerSta(int i) const
{
    return (i >= 0 && i < GetNuArInf()) ? static_cast<int>(Inf[static_cast<size_t>(i)].Comb.size()) : 0;
}

CMemOrSta::TInfCombPt* CMemOrSta::GetCombPerSta(int i, int k)
{
    TInfOrSta* e = GetInfSta(i);
    if (!e || k < 0 || static_cast<size_t>(k) >= e->Comb.size())
        return nullptr;
    return &e->Comb[static_cast<size_t>(k)];
}

bool CMemOrSta::Confronto(const TInfOrSta& e, int& i) const
{
    for (size_t a = 0; a < Inf.size(); ++a) {
        const TInfOrSta& s = Inf[a];
        if (s.Sta != e.Sta || s.Comb.size() != e.Comb.size())
            continue;
        bool same = true;
        for (size_t c = 0; c < s.Comb.size() && same; ++c)
            for (int p = 0; p < 3; ++p)
                if (s.Comb[c].Pun[p] != e.Comb[c].Pun[p])
                    same = false;
        if (same) {
            i = static_cast<int>(a);
            return true;
        }
    }
    return false;
}

bool CMemOrSta::ConfrontaEtAgg(const TInfOrSta& e, int& i)
{
    if (Confronto(e, i)) {
        auto& stored = Inf[static_cast<size_t>(i)].Comb;
        for (size_t c = 0; c < stored.size(); ++c)
            stored[c].Val = e.Comb[c].Val;
        return true;
    }
    i = AddArInf(e);
    return false;
}

void CMemOrSta::DimenticaSta(const CSta* sta)
{
    for (auto& e : Inf)
        if (e.Sta == sta)
            e.Sta = nullptr;
}

void CMemOrSta::DimenticaPun(const CPun* pun)
{
    for (auto& e : Inf)
        for (auto& c : e.Comb)
            for (CPun*& p : c.Pun)
                if (p == pun)
                    p = nullptr;
}

bool CMemOrSta::SalvaInFile(ofpstream& out, short v) const
{
    if (v < 661)
        return out.good();
    out.WriteInt32(GetNuArInf());
    for (const auto& e : Inf) {
        memrif::SalvaRifSta(out, Lib, e.Sta);
        out.WriteInt32(static_cast<int32_t>(e.Comb.size()));
        for (const auto& c : e.Comb) {
            for (const CPun* p : c.Pun)
                memrif::SalvaRifPun(out, Lib, p);
            out.WriteInt32(c.Val);
        }
    }
    return out.good();
}

bool CMemOrSta::LeggeDaFile(ifpstream& in, bool load, short v)
{
    if (!Lib)
        return false;
    return LeggeDaFile(in, load, v, CRisolviRifLib(*Lib));
}

bool CMemOrSta::LeggeDaFile(ifpstream& in, bool load, short v, const IRisolviRif& ris)
{
    if (v < 661)
        return in.good();
    int32_t n = 0;
    if (!memrif::LeggeConta(in, memrif::DIM_RIF_STA + 4, n))
        return false;
    std::vector<TInfOrSta> inf(static_cast<size_t>(n));
    for (auto& e : inf) {
        int32_t nc = 0;
        if (!memrif::LeggeRifSta(in, ris, e.Sta) || !memrif::LeggeConta(in, 3 * memrif::DIM_RIF_PUN + 4, nc))
            return false;
        e.Comb.resize(static_cast<size_t>(nc));
        for (auto& c : e.Comb) {
            for (CPun*& p : c.Pun)
                if (!memrif::LeggeRifPun(in, ris, p))
                    return false;
            int32_t val = 0;
            if (!in.ReadInt32(val))
                return false;
            c.Val = val;
        }
    }
    if (load)
        Inf = std::move(inf);
    return true;
}
