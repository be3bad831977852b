// COpzElaVarie: initial values and record.
#include "OpzElaVarie.h"

#include <fpstream.h>

namespace {
// File order of the sixteen integers: I1 to I11, I15, I16 (then, from 715, I12 to I14).
constexpr int kPrimi[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15};
constexpr int kUltimi[] = {11, 12, 13};
}  // namespace

COpzElaVarie::COpzElaVarie()
{
    RisettaOpz();
}

void COpzElaVarie::RisettaOpz()
{
    constexpr int32_t kInt[16] = {0, 0, 2, 0, 2, 1, 1, 1, 2, 1, 1, 0, 0, 0, 0, 1};
    constexpr double kDbl[5] = {0.001, 0.02, 0.02, 0.002, 1000.0};
    for (int i = 0; i < 16; ++i)
        ValInt[i] = kInt[i];
    for (int i = 0; i < 5; ++i)
        ValDbl[i] = kDbl[i];
    ValInt2 = 10;
    ValBool = false;
}

bool COpzElaVarie::SalvaInFile(ofpstream& out, short v) const
{
    if (v < 661)
        return out.good();
    for (int i : kPrimi)
        out.WriteInt32(ValInt[i]);
    for (double d : ValDbl)
        out.WriteDouble(d);
    out.WriteInt32(ValInt2);
    out.WriteBool(ValBool);
    if (v >= 715)
        for (int i : kUltimi)
            out.WriteInt32(ValInt[i]);
    return out.good();
}

bool COpzElaVarie::LeggeDaFile(ifpstream& in, bool load, short v)
{
    if (v < 661)
        return in.good();
    COpzElaVarie r(*this);
    for (int i : kPrimi)
        if (!in.ReadInt32(r.ValInt[i]))
            return false;
    for (double& d : r.ValDbl)
        if (!in.ReadDouble(d))
            return false;
    if (!in.ReadInt32(r.ValInt2) || !in.ReadBoolB1(r.ValBool))
        return false;
    if (v >= 715)
        for (int i : kUltimi)
            if (!in.ReadInt32(r.ValInt[i]))
                return false;
    if (load)
        *this = r;
    if (v < 715)
        for (int i : kUltimi)
            ValInt[i] = 0;
    return true;
}
