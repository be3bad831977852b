// CCalcDsOr: the settings of the reduction of slope distances and zenith
// angles (earth curvature and refraction, reduction to the reference surface,
// scale factor), kept in section "CALC-DSOR" and saved with the field book.
#pragma once

#include "zor3dtlc_export.h"

class ofpstream;
class ifpstream;

class ZOR3DTLC_API CCalcDsOr {
public:
    CCalcDsOr();   // the values of the settings file
    CCalcDsOr(const CCalcDsOr&) = default;
    CCalcDsOr& operator=(const CCalcDsOr&) = default;

    void GetDaIni();
    bool SetInIni() const;

    bool GetSferRifr() const { return SferRifr; }
    void SetSferRifr(bool v) { SferRifr = v; }
    bool GetRiduGeoi() const { return RiduGeoi; }
    void SetRiduGeoi(bool v) { RiduGeoi = v; }
    bool GetFattScal() const { return FattScal; }
    void SetFattScal(bool v) { FattScal = v; }
    double GetIndcRifr() const { return IndcRifr; }
    void SetIndcRifr(double v) { IndcRifr = v; }
    double GetRaggTerr() const { return RaggTerr; }
    void SetRaggTerr(double v) { RaggTerr = v; }
    double GetQuotMedi() const { return QuotMedi; }
    void SetQuotMedi(double v) { QuotMedi = v; }
    double GetValScala() const { return ValScala; }
    void SetValScala(double v) { ValScala = v; }

    // The record inside the field book at version v. Reading changes the
    // object only when the whole record was read and load is true; below 715
    // the scale factor is switched off (1.0) whatever the load flag.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);

    // Reduction of a slope distance di and a zenith angle z (gon) with these
    // settings: the horizontal distance, and the height difference from the
    // station's ground mark to the point's (instrument height hs added,
    // target height hp subtracted). Invalid when an argument is.
    double CalcDistOr(double di, double z) const;
    double CalcDisliv(double di, double z, double hs, double hp) const;

private:
    bool SferRifr;
    bool RiduGeoi;
    bool FattScal;
    double IndcRifr;
    double RaggTerr;
    double QuotMedi;
    double ValScala;
};

// Face correction of a zenith angle and a horizontal reading (gon): a reading
// taken in face II (z >= 200) is brought to face I and the result is 1;
// otherwise 0. The horizontal reading is brought into [0, 400) in both cases;
// an invalid one stays invalid.
ZOR3DTLC_API unsigned long CalcoloDrittoOCap(double& z, double& hz);
