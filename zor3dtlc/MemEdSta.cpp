// CMemEdSta: entries, lookups and the file block.
#include "MemEdSta.h"

#include "LibCmp.h"

#include <fpstream.h>

int CMemEdSta::AddArInfOr(const TInfEdStaOr& e)
{
    Or.push_back(e);
    return GetNuArInfOr() - 1;
}

int CMemEdSta::AddArInfQu(const TInfEdStaQu& e)
{
    Qu.push_back(e);
    return GetNuArInfQu() - 1;
}

void CMemEdSta::DelInfStaOr(int i)
{
    if (i >= 0 && i < GetNuArInfOr())
        Or.erase(Or.begin() + i);
}

void CMemEdSta::DelInfStaQu(int i)
{
    if (i >= 0 && i < GetNuArInfQu())
        Qu.erase(Qu.begin() + i);
}

CMemEdSta::TInfEdStaOr* CMemEdSta::GetInfStaOr(int i)
{
    return (i >= 0 && i < GetNuArInfOr()) ? &Or[static_cast<size_t>(i)] : nullptr;
}

CMemEdSta::TInfEdStaQu* CMemEdSta::GetInfStaQu(int i)
{
    return (i >= 0 && i < GetNuArInfQu()) ? &Qu[static_cast<size_t>(i)] : nullptr;
}

bool CMemEdSta::ConfrontoOr(const TInfEdStaOr& e, int& i) const
{
    for (size_t a = 0; a < Or.size(); ++a)
        if (Or[a].Sta == e.Sta) {
            i = static_cast<int>(a);
            return true;
        }
    i = -1;
    return false;
}

bool CMemEdSta::ConfrontoQu(const TInfEdStaQu& e, int& i) const
{
    for (size_t a = 0; a < Qu.size(); ++a)
        if (Qu[a].Sta == e.Sta) {
            i = static_cast<int>(a);
            return true;
        }
    i = -1;
    return false;
}

bool CMemEdSta::ConfrontaEtAggOr(const TInfEdStaOr& e, int& i)
{
    if (ConfrontoOr(e, i)) {
        for (int k = 0; k < 3; ++k)
            Or[static_cast<size_t>(i)].Val[k] = e.Val[k];
        return true;
    }
    i = AddArInfOr(e);
    return false;
}

bool CMemEdSta::ConfrontaEtAggQu(const TInfEdStaQu& e, int& i)
{
    if (ConfrontoQu(e, i)) {
        Qu[static_cast<size_t>(i)].Val = e.Val;
        return true;
    }
    i = AddArInfQu(e);
    return false;
}

void CMemEdSta::DimenticaSta(const CSta* sta)
{
    for (auto& e : Or)
        if (e.Sta == sta)
            e.Sta = nullptr;
    for (auto& e : Qu)
        if (e.Sta == sta)
            e.Sta = nullptr;
}

bool CMemEdSta::SalvaInFile(ofpstream& out, short v) const
{
    if (v < 661)
        return out.good();
    out.WriteInt32(GetNuArInfOr());
    for (const auto& e : Or) {
        memrif::SalvaRifSta(out, Lib, e.Sta);
        for (double d : e.Val)
            out.WriteDouble(d);
    }
    out.WriteInt32(GetNuArInfQu());
    for (const auto& e : Qu) {
        memrif::SalvaRifSta(out, Lib, e.Sta);
        out.WriteDouble(e.Val);
    }
    return out.good();
}

bool CMemEdSta::LeggeDaFile(ifpstream& in, bool load, short v)
{
    if (!Lib)
        return false;
    return LeggeDaFile(in, load, v, CRisolviRifLib(*Lib));
}

bool CMemEdSta::LeggeDaFile(ifpstream& in, bool load, short v, const IRisolviRif& ris)
{
    if (v < 661)
        return in.good();
    std::vector<TInfEdStaOr> orv;
    std::vector<TInfEdStaQu> quv;
    int32_t n = 0;
    if (!memrif::LeggeConta(in, memrif::DIM_RIF_STA + 3 * 8, n))
        return false;
    orv.resize(static_cast<size_t>(n));
    for (auto& e : orv)
        if (!memrif::LeggeRifSta(in, ris, e.Sta) || !in.ReadDouble(e.Val[0]) || !in.ReadDouble(e.Val[1]) ||
            !in.ReadDouble(e.Val[2]))
            return false;
    if (!memrif::LeggeConta(in, memrif::DIM_RIF_STA + 8, n))
        return false;
    quv.resize(static_cast<size_t>(n));
    for (auto& e : quv)
        if (!memrif::LeggeRifSta(in, ris, e.Sta) || !in.ReadDouble(e.Val))
            return false;
    if (load) {
        Or = std::move(orv);
        Qu = std::move(quv);
    }
    return true;
}
