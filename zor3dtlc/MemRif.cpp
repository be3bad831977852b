// References of the station memories.
#include "MemRif.h"

#include "LibCmp.h"

#include <fpstream.h>

CSta* CRisolviRifLib::Sta(int32_t j, int32_t i) const
{
    return Lib.GetStaAt(j, i);
}

CPun* CRisolviRifLib::Pun(int32_t j, int32_t i, int32_t k) const
{
    return Lib.GetPunAt(j, i, k);
}

namespace memrif {

void SalvaRifSta(ofpstream& out, const CLibCmp* lib, const CSta* sta)
{
    int j = -1, i = -1;
    if (!lib || !lib->GetIndiciDiSta(sta, j, i))
        j = i = -1;
    out.WriteInt32(j);
    out.WriteInt32(i);
}

void SalvaRifPun(ofpstream& out, const CLibCmp* lib, const CPun* pun)
{
    int j = -1, i = -1, k = -1;
    if (!lib || !lib->GetIndiciDiPun(pun, j, i, k))
        j = i = k = -1;
    out.WriteInt32(j);
    out.WriteInt32(i);
    out.WriteInt32(k);
}

bool LeggeRifSta(ifpstream& in, const IRisolviRif& ris, CSta*& sta)
{
    int32_t j = 0, i = 0;
    if (!in.ReadInt32(j) || !in.ReadInt32(i))
        return false;
    sta = ris.Sta(j, i);
    return true;
}

bool LeggeRifPun(ifpstream& in, const IRisolviRif& ris, CPun*& pun)
{
    int32_t j = 0, i = 0, k = 0;
    if (!in.ReadInt32(j) || !in.ReadInt32(i) || !in.ReadInt32(k))
        return false;
    pun = ris.Pun(j, i, k);
    return true;
}

bool LeggeConta(ifpstream& in, uint64_t minSize, int32_t& count)
{
    if (!in.ReadInt32(count))
        return false;
    if (count < 0 || (minSize > 0 && static_cast<uint64_t>(count) > in.Remaining() / minSize)) {
        in.SetFailed();
        return false;
    }
    return true;
}

}  // namespace memrif
