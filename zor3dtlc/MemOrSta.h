// CMemOrSta: the station orientation memory: for each station, the triples
// of points chosen to orient it.
#pragma once

#include "MemRif.h"
#include "zor3dtlc_export.h"

#include <vector>

class CLibCmp;
class CSta;
class CPun;

class ZOR3DTLC_API CMemOrSta {
public:
    struct TInfCombPt {
        CPun* Pun[3] = {nullptr, nullptr, nullptr};
        int Val = 0;
    };
    struct TInfOrSta {
        CSta* Sta = nullptr;
        std::vector<TInfCombPt> Comb;
    };

    explicit CMemOrSta(CLibCmp* lib) : Lib(lib) {}
    CMemOrSta(const CMemOrSta&) = default;
    CMemOrSta& operator=(const CMemOrSta&) = default;

    int AddArInf(const TInfOrSta& e);
    void DelInfSta(int i);
    void DelArInf() { Inf.clear(); }
    int GetNuArInf() const { return static_cast<int>(Inf.size()); }
    TInfOrSta* GetInfSta(int i);
    int AddCombPerSta(int i, const TInfCombPt& c);   // -1 when entry i does not exist
    void DelCombPerSta(int i);
    int GetNuCombPerSta(int i) const;
    TInfCombPt* GetCombPerSta(int i, int k);

    // The first entry with the same station and, combination by combination,
    // the same three points in the same order.
    bool Confronto(const TInfOrSta& e, int& i) const;
    // Found: every stored combination takes the given entry's int (true);
    // otherwise the entry is appended (false).
    bool ConfrontaEtAgg(const TInfOrSta& e, int& i);

    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);
    bool LeggeDaFile(ifpstream& in, bool load, short v, const IRisolviRif& ris);

    void DimenticaSta(const CSta* sta);
    void DimenticaPun(const CPun* pun);

private:
    CLibCmp* Lib;
    std::vector<TInfOrSta> Inf;
};
