// COri: the orientation-point record.
#include "Ori.h"

#include "fpstream.h"

COri::~COri() = default;

bool COri::SalvaInFile(ofpstream& out) const
{
    CEgn::SalvaInFile(out);
    out.WriteInt16(Attendib);
    return out.good();
}

bool COri::LeggeDaFile(ifpstream& in)
{
    COri r(*this);
    int16_t a = 0;
    if (!r.CEgn::LeggeDaFile(in) || !in.ReadInt16(a))
        return false;
    r.Attendib = a;
    *this = r;
    return true;
}
