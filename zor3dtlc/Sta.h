// CSta: a station of a job, owning its observed points; its second text is
// its identification. Two name-ordered point sets give views of its points.
#pragma once

#include "Pun.h"
#include "zor3dtlc_export.h"

#include <Egn.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CJob;
class CLibCmp;

typedef int TStCdOr;   // orientation state of a station
typedef int TStCdQu;   // height state of a station

using TPunSet = std::multiset<CPun*, NomeMin>;
using TPunSetItr = TPunSet::iterator;

// Advances an iterator of a point set by one.
ZOR3DTLC_API void IncrPunItr(TPunSetItr& it);

class ZOR3DTLC_API CSta : public CEgn {
public:
    explicit CSta(CJob* owner = nullptr);
    // Copies the station's values, not its points or point sets. A copy keeps
    // the owner of the original; assignment keeps the station's own owner.
    CSta(const CSta& o);
    CSta& operator=(const CSta& o);
    ~CSta() override;

    CJob* GetJob() const { return Job; }

    void SetIden(const std::string& s) { SetSecScri(s); }
    void SetIdenChar(const char* s) { SetSecScriChar(s); }
    std::string GetIden() const { return GetSecScri(); }
    const char* GetIdenChar() const { return GetSecScriChar(); }

    void SetTemper(double v) { Temper = v; }
    double GetTemper() const { return Temper; }
    void SetPressi(double v) { Pressi = v; }
    double GetPressi() const { return Pressi; }
    void SetAltStr(double v) { AltStr = v; }
    double GetAltStr() const { return AltStr; }
    void SetAnCoAz(double v) { AnCoAz = v; }
    double GetAnCoAz() const { return AnCoAz; }
    void SetStCdOr(TStCdOr v) { StCdOr = v; }
    TStCdOr GetStCdOr() const { return StCdOr; }
    void SetStCdQu(TStCdQu v) { StCdQu = v; }
    TStCdQu GetStCdQu() const { return StCdQu; }
    void SetDupp(bool v) { Dupp = v; }
    bool EstDupp() const { return Dupp; }
    void SetStrProgr(const char* s) { StrProgr = s ? s : ""; }
    std::string GetStrProgr() const { return StrProgr; }
    void IncStrProgr();

    bool IsStCdOrVld() const { return StCdOr >= 6 && StCdOr <= 24; }
    bool IsStCdOrInv() const { return StCdOr >= 1 && StCdOr <= 5; }
    bool IsStCdOrFisI() const { return (StCdOr >= 10 && StCdOr <= 13) || StCdOr == 15; }
    bool IsStCdQuVld() const { return StCdQu >= 3 && StCdQu <= 12; }
    bool IsStCdQuInv() const { return StCdQu >= 1 && StCdQu <= 2; }
    bool IsStCdQuFisI() const { return StCdQu >= 4 && StCdQu <= 6; }

    // Stored reference values (saved) and working values of the host (copied only).
    void SetValRif(int i, double v) { if (i >= 0 && i < 3) ValRif[i] = v; }
    double GetValRif(int i) const { return (i >= 0 && i < 3) ? ValRif[i] : VAL_RIF_FUORI; }
    void SetValLav(int i, int32_t v) { if (i >= 0 && i < 4) ValLav[i] = v; }
    int32_t GetValLav(int i) const { return (i >= 0 && i < 4) ? ValLav[i] : 0; }

    void AnnullaLeVarSta();
    void AnnullaTutteLeVar();

    bool operator==(const CSta& o) const { return NomeRef() == o.NomeRef(); }
    bool operator<(const CSta& o) const { return NomeRef() < o.NomeRef(); }

    // Point sets: name-ordered views of the station's points, filled by the caller.
    TPunSetItr InsInPunSetNor(CPun* p) { return PunSetNor.insert(p); }
    TPunSetItr InsInPunSetSpc(CPun* p) { return PunSetSpc.insert(p); }
    void TolDaPunSetNor(TPunSetItr it) { PunSetNor.erase(it); }
    void TolDaPunSetSpc(TPunSetItr it) { PunSetSpc.erase(it); }
    TPunSetItr GetPunSetNorBegin() { return PunSetNor.begin(); }
    TPunSetItr GetPunSetNorEnd() { return PunSetNor.end(); }
    TPunSetItr GetPunSetSpcBegin() { return PunSetSpc.begin(); }
    TPunSetItr GetPunSetSpcEnd() { return PunSetSpc.end(); }
    TPunSetItr GetPunSetNorLoBo(CPun* p) { return PunSetNor.lower_bound(p); }
    TPunSetItr GetPunSetNorUpBo(CPun* p) { return PunSetNor.upper_bound(p); }
    TPunSetItr GetPunSetSpcLoBo(CPun* p) { return PunSetSpc.lower_bound(p); }
    TPunSetItr GetPunSetSpcUpBo(CPun* p) { return PunSetSpc.upper_bound(p); }
    bool GetPunSetSpcEmpty() const { return PunSetSpc.empty(); }
    size_t GetPunSetNorSize() const { return PunSetNor.size(); }
    size_t GetPunSetSpcSize() const { return PunSetSpc.size(); }
    void AzzeraPunSet()
    {
        PunSetNor.clear();
        PunSetSpc.clear();
    }
    // Removes every entry of the point from both sets (also when its name
    // changed after it was inserted).
    void TogliDaiPunSet(const CPun* p);

    // The station record of the field book at version v (points apart).
    bool SalvaRecord(ofpstream& out, short v) const;
    bool LeggeRecord(ifpstream& in, short v);
    static constexpr uint64_t DimMinRecord(short v)
    {
        return CEgn::DimMinRecord(v) + 4 * 8 + 4 + (v >= 690 ? 3 * 8 : 0) + (v >= 715 ? 4 : 0);
    }

    static constexpr double VAL_RIF_FUORI = 1.7e200;

private:
    friend class CLibCmp;
    void CopiaValori(const CSta& o);

    double ValRif[3];
    int32_t ValLav[4];
    CJob* Job;
    std::vector<std::unique_ptr<CPun>> PunAr;
    double Temper, Pressi, AltStr, AnCoAz;
    TStCdOr StCdOr;
    TStCdQu StCdQu;
    bool Dupp;
    std::string StrProgr;
    TPunSet PunSetNor, PunSetSpc;
};
