// CMemRoTra: iterations, lookups and the file block.
#include "MemRoTra.h"

#include "LibCmp.h"

#include <fpstream.h>

namespace {
// Smallest sizes of the records of the block.
constexpr uint64_t kDimElem = 4 + memrif::DIM_RIF_STA + memrif::DIM_RIF_PUN + 2 + 4;
constexpr uint64_t kDimSng = 4 + memrif::DIM_RIF_PUN + 4 + 4 + 4;
}  // namespace

void CMemRoTra::DelInfPerIter(int i)
{
    if (TIter* it = GetInfRtPerIter(i))
        it->clear();
}

void CMemRoTra::DelInfSng(int i, int k)
{
    TIter* it = GetInfRtPerIter(i);
    if (it && k >= 0 && static_cast<size_t>(k) < it->size())
        it->erase(it->begin() + k);
}

int CMemRoTra::GetNuInfPerIter(int i) const
{
    return (i >= 0 && i < GetNuArInf()) ? static_cast<int>(Iter[static_cast<size_t>(i)].size()) : 0;
}

CMemRoTra::TIter* CMemRoTra::GetInfRtPerIter(int i)
{
    return (i >= 0 && i < GetNuArInf()) ? &Iter[static_cast<size_t>(i)] : nullptr;
}

CMemRoTra::TInfSngRt* CMemRoTra::GetInfSngRt(int i, int k)
{
    TIter* it = GetInfRtPerIter(i);
    if (!it || k < 0 || static_cast<size_t>(k) >= it->size())
        return nullptr;
    return &(*it)[static_cast<size_t>(k)];
}

bool CMemRoTra::Confronto(int i, int k, const TInfSngRt& e) const
{
    if (i < 0 || i >= GetNuArInf())
        return false;
    const TIter& it = Iter[static_cast<size_t>(i)];
    if (k < 0 || static_cast<size_t>(k) >= it.size())
        return false;
    const TInfSngRt& s = it[static_cast<size_t>(k)];
    if (s.Sta != e.Sta || s.Elem.size() != e.Elem.size())
        return false;
    for (size_t a = 0; a < s.Elem.size(); ++a)
        if (s.Elem[a].Chiave != e.Elem[a].Chiave || s.Elem[a].Sta != e.Elem[a].Sta ||
            s.Elem[a].Pun != e.Elem[a].Pun)
            return false;
    return true;
}

bool CMemRoTra::ConfrontaEtAgg(int i, int k, TInfSngRt& e)
{
    if (Confronto(i, k, e)) {
        TInfSngRt& s = Iter[static_cast<size_t>(i)][static_cast<size_t>(k)];
        s.Pun = e.Pun;
        e.Val = s.Val;
        e.Flag = s.Flag;
        for (size_t a = 0; a < e.Elem.size(); ++a) {
            e.Elem[a].Val = s.Elem[a].Val;
            e.Elem[a].Flag = s.Elem[a].Flag;
        }
        return true;
    }
    if (i < 0 || k < 0)
        return false;
    if (i >= GetNuArInf())
        Iter.resize(static_cast<size_t>(i) + 1);
    else if (static_cast<size_t>(k) < Iter[static_cast<size_t>(i)].size())
        Iter[static_cast<size_t>(i)].resize(static_cast<size_t>(k));
    Iter[static_cast<size_t>(i)].push_back(e);
    return false;
}

void CMemRoTra::DimenticaSta(const CSta* sta)
{
    for (auto& it : Iter)
        for (auto& s : it) {
            for (CSta*& p : s.Sta)
                if (p == sta)
                    p = nullptr;
            for (auto& el : s.Elem)
                if (el.Sta == sta)
                    el.Sta = nullptr;
        }
}

void CMemRoTra::DimenticaPun(const CPun* pun)
{
    for (auto& it : Iter)
        for (auto& s : it) {
            if (s.Pun == pun)
                s.Pun = nullptr;
            for (auto& el : s.Elem)
                if (el.Pun == pun)
                    el.Pun = nullptr;
        }
}

bool CMemRoTra::SalvaInFile(ofpstream& out, short v) const
{
    if (v < 661)
        return out.good();
    out.WriteInt32(GetNuArInf());
    for (const auto& it : Iter) {
        out.WriteInt32(static_cast<int32_t>(it.size()));
        for (const auto& s : it) {
            out.WriteInt32(static_cast<int32_t>(s.Sta.size()));
            for (const CSta* st : s.Sta)
                memrif::SalvaRifSta(out, Lib, st);
            memrif::SalvaRifPun(out, Lib, s.Pun);
            out.WriteInt32(s.Val);
            out.WriteBool(s.Flag);
            out.WriteInt32(static_cast<int32_t>(s.Elem.size()));
            for (const auto& el : s.Elem) {
                out.WriteInt32(el.Chiave);
                memrif::SalvaRifSta(out, Lib, el.Sta);
                memrif::SalvaRifPun(out, Lib, el.Pun);
                out.WriteInt16(el.Val);
                out.WriteBool(el.Flag);
            }
        }
    }
    return out.good();
}

bool CMemRoTra::LeggeDaFile(ifpstream& in, bool load, short v)
{
    if (!Lib)
        return false;
    return LeggeDaFile(in, load, v, CRisolviRifLib(*Lib));
}

bool CMemRoTra::LeggeDaFile(ifpstream& in, bool load, short v, const IRisolviRif& ris)
{
    if (v < 661)
        return in.good();
    int32_t ni = 0;
    if (!memrif::LeggeConta(in, 4, ni))
        return false;
    std::vector<TIter> iter(static_cast<size_t>(ni));
    for (auto& it : iter) {
        int32_t ne = 0;
        if (!memrif::LeggeConta(in, kDimSng, ne))
            return false;
        it.resize(static_cast<size_t>(ne));
        for (auto& s : it) {
            int32_t ns = 0;
            if (!memrif::LeggeConta(in, memrif::DIM_RIF_STA, ns))
                return false;
            s.Sta.resize(static_cast<size_t>(ns));
            for (CSta*& st : s.Sta)
                if (!memrif::LeggeRifSta(in, ris, st))
                    return false;
            int32_t val = 0, nel = 0;
            if (!memrif::LeggeRifPun(in, ris, s.Pun) || !in.ReadInt32(val) || !in.ReadBoolB1(s.Flag) ||
                !memrif::LeggeConta(in, kDimElem, nel))
                return false;
            s.Val = val;
            s.Elem.resize(static_cast<size_t>(nel));
            for (auto& el : s.Elem) {
                int32_t key = 0;
                if (!in.ReadInt32(key) || !memrif::LeggeRifSta(in, ris, el.Sta) ||
                    !memrif::LeggeRifPun(in, ris, el.Pun) || !in.ReadInt16(el.Val) || !in.ReadBoolB1(el.Flag))
                    return false;
                el.Chiave = key;
            }
        }
    }
    if (load)
        Iter = std::move(iter);
    return true;
}
