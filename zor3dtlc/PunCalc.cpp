// Point computations: reduction of the raw data, coordinates by radiation
// from the station, and the readings that known coordinates give back.
#include "CalcDsOr.h"
#include "Pun.h"
#include "Sta.h"

#include <zor0util.h>

#include <cmath>

void CPun::CalcolaDatiRelativi(double hs, const CCalcDsOr& calc)
{
    if (TipoDtInt != DT_INT_ANG)
        return;
    DiIn = Dato0;
    AngV = Dato1;
    AngO = Dato2;
    CdElPt = static_cast<uint32_t>(CalcoloDrittoOCap(AngV, AngO));
    DiOr = calc.CalcDistOr(DiIn, AngV);
    DfQu = calc.CalcDisliv(DiIn, AngV, hs, AltPri);
}

void CPun::CalcolaCoordAssolute(bool threeD, const CCalcDsOr& calc)
{
    const CSta* s = Sta;
    if (!s) {
        AnnullaCoor();
        return;
    }
    CalcolaDatiRelativi(s->GetAltStr(), calc);
    const double sx = s->GetCoordX();
    const double sy = s->GetCoordY();
    const double sz = s->GetCoordZ();
    if ((threeD && !EstValido(DfQu)) || !EstValido(AngO) || !EstValido(DiOr) ||
        !EstValido(s->GetAnCoAz()) || !EstValido(sx) || !EstValido(sy)) {
        AnnullaCoor();
        return;
    }
    const double azimuth = LimiteAng0_400(s->GetAnCoAz() + AngO);
    SetCoordX(sx + CalcCoordEst(DiOr, azimuth));
    SetCoordY(sy + CalcCoordNord(DiOr, azimuth));
    // A station without height gives the point none either.
    SetCoordZ(threeD && EstValido(sz) ? sz + DfQu : VAL_NON_VALIDO);
    CalcolaValiditaXYZ();
}

void CPun::SetCoordEtCalcMisure(bool threeD, double x, double y, double z, double distanceStep, double angleStep)
{
    const CSta* s = Sta;
    if (!s || !EstValido(x) || !EstValido(y))
        return;
    const double sx = s->GetCoordX();
    const double sy = s->GetCoordY();
    if (!EstValido(sx) || !EstValido(sy) || !EstValido(s->GetAnCoAz()))
        return;
    if (threeD && (!EstValido(z) || !EstValido(AltPri) || !EstValido(s->GetCoordZ()) || !EstValido(s->GetAltStr())))
        return;
    SetCoordX(x);
    SetCoordY(y);
    SetCoordZ(z);
    CalcolaValiditaXYZ();
    const double azimuth = AngoloDaAsseRifer(x - sx, y - sy);
    const double d = Distanza2pt(x, y, sx, sy);
    double hz = LimiteAng0_400(azimuth - s->GetAnCoAz());
    double zenith = 100.0;
    double slope = d;
    if (threeD) {
        const double dz = (z - s->GetCoordZ()) - s->GetAltStr() + AltPri;
        zenith = 100.0 - LimiteAng200_200(AngoloDaAsseRifer(dz, d));
        slope = std::sqrt(dz * dz + d * d);
    }
    slope = ArrotondatoAlVal(slope, distanceStep);
    zenith = ArrotondatoAlVal(zenith, angleStep);
    hz = ArrotondatoAlVal(hz, angleStep);
    SetDtIntAng(slope, zenith, hz);
}
