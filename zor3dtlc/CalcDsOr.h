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

private:
    bool SferRifr;
    bool RiduGeoi;
    bool FattScal;
    double IndcRifr;
    double RaggTerr;
    double QuotMedi;
    double ValScala;
};
