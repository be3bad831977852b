// CPun: an observed point of a station, with its raw readings and the values
// of its last reduction. Its second text is its code text.
#pragma once

#include "zor3dtlc_export.h"

#include <Egn.h>

#include <cstdint>
#include <string>

class CSta;
class CCalcDsOr;

// Kinds of raw data of a point.
enum : int32_t { DT_INT_NESSUNO = 0, DT_INT_ANG = 1, DT_INT_DSL = 2, DT_INT_XYZ = 3 };

class ZOR3DTLC_API CPun : public CEgn {
public:
    explicit CPun(CSta* owner = nullptr);
    // Copies every value; a copy keeps the owner of the original. Assignment
    // keeps the point's own owner.
    CPun(const CPun&) = default;
    CPun& operator=(const CPun& o);
    ~CPun() override;

    CSta* GetSta() const { return Sta; }

    void SetCode(const std::string& s) { SetSecScri(s); }
    void SetCodeChar(const char* s) { SetSecScriChar(s); }
    std::string GetCode() const { return GetSecScri(); }
    const char* GetCodeChar() const { return GetSecScriChar(); }

    // Raw data: kind 1 is slope distance, zenith angle, horizontal reading.
    void SetDtIntAng(double d0, double d1, double d2) { SetDtInt(DT_INT_ANG, d0, d1, d2); }
    void SetDtIntDsl(double d0, double d1, double d2) { SetDtInt(DT_INT_DSL, d0, d1, d2); }
    void SetDtIntXyz(double d0, double d1, double d2) { SetDtInt(DT_INT_XYZ, d0, d1, d2); }
    int32_t GetTipoDtInt() const { return TipoDtInt; }
    double GetDato0() const { return Dato0; }
    double GetDato1() const { return Dato1; }
    double GetDato2() const { return Dato2; }

    void SetAltPri(double v) { AltPri = v; }
    double GetAltPri() const { return AltPri; }
    void SetDiIn(double v) { DiIn = v; }
    double GetDiIn() const { return DiIn; }
    void SetAngV(double v) { AngV = v; }
    double GetAngV() const { return AngV; }
    void SetAngO(double v) { AngO = v; }
    double GetAngO() const { return AngO; }
    void SetDiOr(double v) { DiOr = v; }
    double GetDiOr() const { return DiOr; }
    void SetDfQu(double v) { DfQu = v; }
    double GetDfQu() const { return DfQu; }
    void SetCdElPt(uint32_t v) { CdElPt = v; }
    uint32_t GetCdElPt() const { return CdElPt; }
    void SetHasPtDup(bool v) { HasPtDup = v; }
    bool GetHasPtDup() const { return HasPtDup; }

    // Working values of the host (copied, never saved).
    void SetValLav16(int i, int16_t v) { if (i == 0 || i == 1) Lav16[i] = v; }
    int16_t GetValLav16(int i) const { return (i == 0 || i == 1) ? Lav16[i] : 0; }
    void SetValLav32(int i, int32_t v) { if (i == 0 || i == 1) Lav32[i] = v; }
    int32_t GetValLav32(int i) const { return (i == 0 || i == 1) ? Lav32[i] : 0; }

    void AnnullaLeVarPun();

    // Reduction of the raw data (kind 1 only): face correction, horizontal
    // distance and height difference with the station's instrument height hs.
    void CalcolaDatiRelativi(double hs, const CCalcDsOr& calc);
    // Coordinates by radiation from the owning station (its coordinates and
    // orientation AnCoAz); cleared when they cannot be computed. threeD also
    // computes the height, otherwise Z is invalid.
    void CalcolaCoordAssolute(bool threeD, const CCalcDsOr& calc);
    // The inverse: sets the point's coordinates and the readings the station
    // would measure to them, rounded to distanceStep and angleStep (a step
    // of 0 or less does not round). Nothing changes when a value needed is
    // invalid.
    void SetCoordEtCalcMisure(bool threeD, double x, double y, double z, double distanceStep, double angleStep);
    void AnnullaTutteLeVar();

    // None of the codes OR, QU, PO, and valid X and Y (and Z).
    bool IsNoORQUPOandValidoXY() const { return !EstCodeUgualeA(0x7) && EstValidoXY(); }
    bool IsNoORQUPOandValidoXYZ() const { return !EstCodeUgualeA(0x7) && EstValidoXYZ(); }

    bool operator==(const CPun& o) const { return NomeRef() == o.NomeRef(); }
    bool operator<(const CPun& o) const { return NomeRef() < o.NomeRef(); }

    // The point record of the field book at version v.
    bool SalvaRecord(ofpstream& out, short v) const;
    bool LeggeRecord(ifpstream& in, short v);
    static constexpr uint64_t DimMinRecord(short v)
    {
        return CEgn::DimMinRecord(v) + 4 * 8 + 4 + (v >= 715 ? 5 * 8 : 0);
    }

private:
    void SetDtInt(int32_t kind, double d0, double d1, double d2)
    {
        TipoDtInt = kind;
        Dato0 = d0;
        Dato1 = d1;
        Dato2 = d2;
    }

    int16_t Lav16[2];
    int32_t Lav32[2];
    CSta* Sta;
    int32_t TipoDtInt;
    double Dato0, Dato1, Dato2;
    double AltPri;
    double DiIn, AngV, AngO, DiOr, DfQu;
    uint32_t CdElPt;
    bool HasPtDup;
};

// Orders points by name, byte by byte; equal names may occur.
struct NomeMin {
    bool operator()(const CPun* a, const CPun* b) const { return a->NomeRef() < b->NomeRef(); }
};
