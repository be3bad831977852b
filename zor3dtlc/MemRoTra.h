// CMemRoTra: the roto-translation memory: for each iteration, the entries
// recording which stations and points took part and the choices made.
#pragma once

#include "MemRif.h"
#include "zor3dtlc_export.h"

#include <cstdint>
#include <vector>

class CLibCmp;
class CSta;
class CPun;

class ZOR3DTLC_API CMemRoTra {
public:
    struct TInfElem {
        int Chiave = 0;
        CSta* Sta = nullptr;
        CPun* Pun = nullptr;
        int16_t Val = 0;
        bool Flag = false;
    };
    struct TInfSngRt {
        std::vector<CSta*> Sta;
        CPun* Pun = nullptr;
        int Val = 0;
        bool Flag = false;
        std::vector<TInfElem> Elem;
    };
    using TIter = std::vector<TInfSngRt>;

    explicit CMemRoTra(CLibCmp* lib) : Lib(lib) {}
    CMemRoTra(const CMemRoTra&) = default;
    CMemRoTra& operator=(const CMemRoTra&) = default;

    void AddArInf() { Iter.emplace_back(); }
    void DelInfPerIter(int i);
    void DelArInf() { Iter.clear(); }
    void DelInfSng(int i, int k);
    int GetNuArInf() const { return static_cast<int>(Iter.size()); }
    int GetNuInfPerIter(int i) const;
    TIter* GetInfRtPerIter(int i);
    TInfSngRt* GetInfSngRt(int i, int k);

    // Entry k of iteration i exists, with the same stations in the same order
    // and element by element the same key, station and point.
    bool Confronto(int i, int k, const TInfSngRt& e) const;
    // Found: the stored entry takes the given point and hands back its
    // remembered choices to `e`. Otherwise (i, k not negative) the entry is
    // stored at the end of iteration i in place of entries k onwards.
    bool ConfrontaEtAgg(int i, int k, TInfSngRt& e);

    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);
    bool LeggeDaFile(ifpstream& in, bool load, short v, const IRisolviRif& ris);

    void DimenticaSta(const CSta* sta);
    void DimenticaPun(const CPun* pun);

private:
    CLibCmp* Lib;
    std::vector<TIter> Iter;
};
