// CPun: resets and the point record.
#include "Pun.h"

#include <fpstream.h>
#include <zor0util.h>

CPun::CPun(CSta* owner) : Sta(owner)
{
    AnnullaLeVarPun();
}

CPun::~CPun() = default;

CPun& CPun::operator=(const CPun& o)
{
    if (this != &o) {
        CSta* own = Sta;
        CEgn::operator=(o);
        Lav16[0] = o.Lav16[0];
        Lav16[1] = o.Lav16[1];
        Lav32[0] = o.Lav32[0];
        Lav32[1] = o.Lav32[1];
        TipoDtInt = o.TipoDtInt;
        Dato0 = o.Dato0;
        Dato1 = o.Dato1;
        Dato2 = o.Dato2;
        AltPri = o.AltPri;
        DiIn = o.DiIn;
        AngV = o.AngV;
        AngO = o.AngO;
        DiOr = o.DiOr;
        DfQu = o.DfQu;
        CdElPt = o.CdElPt;
        HasPtDup = o.HasPtDup;
        Sta = own;
    }
    return *this;
}

void CPun::AnnullaLeVarPun()
{
    Lav16[0] = 0;
    Lav16[1] = 1;
    Lav32[0] = Lav32[1] = 0;
    TipoDtInt = DT_INT_NESSUNO;
    Dato0 = Dato1 = Dato2 = VAL_NON_VALIDO;
    AltPri = VAL_NON_VALIDO;
    DiIn = AngV = AngO = DiOr = DfQu = VAL_NON_VALIDO;
    CdElPt = 0;
    HasPtDup = false;
}

void CPun::AnnullaTutteLeVar()
{
    CEgn::AnnullaTutteLeVar();
    AnnullaLeVarPun();
}

bool CPun::SalvaRecord(ofpstream& out, short v) const
{
    CEgn::SalvaInFile(out);
    out.WriteDouble(Dato0);
    out.WriteDouble(Dato1);
    out.WriteDouble(Dato2);
    out.WriteDouble(AltPri);
    out.WriteBool(HasPtDup);
    if (v >= 715)
        for (double d : {DiIn, AngV, AngO, DiOr, DfQu})
            out.WriteDouble(d);
    return out.good();
}

bool CPun::LeggeRecord(ifpstream& in, short v)
{
    CPun r(*this);
    double d0 = 0, d1 = 0, d2 = 0;
    if (!r.CEgn::LeggeDaFile(in) || !in.ReadDouble(d0) || !in.ReadDouble(d1) || !in.ReadDouble(d2) ||
        !in.ReadDouble(r.AltPri) || !in.ReadBoolB2(r.HasPtDup))
        return false;
    r.SetDtIntAng(d0, d1, d2);
    if (v >= 715 && !(in.ReadDouble(r.DiIn) && in.ReadDouble(r.AngV) && in.ReadDouble(r.AngO) &&
                      in.ReadDouble(r.DiOr) && in.ReadDouble(r.DfQu)))
        return false;
    *this = r;
    return true;
}
