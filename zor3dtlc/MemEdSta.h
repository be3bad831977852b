// CMemEdSta: the station editing memory: values set while editing the
// orientation and the height of stations, offered again when processing is
// repeated and saved with the book.
#pragma once

#include "MemRif.h"
#include "zor3dtlc_export.h"

#include <vector>

class CLibCmp;
class CSta;
class CPun;

class ZOR3DTLC_API CMemEdSta {
public:
    struct TInfEdStaOr {
        CSta* Sta = nullptr;
        double Val[3] = {0, 0, 0};
    };
    struct TInfEdStaQu {
        CSta* Sta = nullptr;
        double Val = 0;
    };

    explicit CMemEdSta(CLibCmp* lib) : Lib(lib) {}
    CMemEdSta(const CMemEdSta&) = default;
    CMemEdSta& operator=(const CMemEdSta&) = default;

    int AddArInfOr(const TInfEdStaOr& e);
    int AddArInfQu(const TInfEdStaQu& e);
    void DelInfStaOr(int i);
    void DelInfStaQu(int i);
    void DelArInfOr() { Or.clear(); }
    void DelArInfQu() { Qu.clear(); }
    int GetNuArInfOr() const { return static_cast<int>(Or.size()); }
    int GetNuArInfQu() const { return static_cast<int>(Qu.size()); }
    TInfEdStaOr* GetInfStaOr(int i);
    TInfEdStaQu* GetInfStaQu(int i);

    // The first entry for the same station: true and its index, or false and -1.
    bool ConfrontoOr(const TInfEdStaOr& e, int& i) const;
    bool ConfrontoQu(const TInfEdStaQu& e, int& i) const;
    // Replaces the values of the station's entry (true) or appends the entry (false).
    bool ConfrontaEtAggOr(const TInfEdStaOr& e, int& i);
    bool ConfrontaEtAggQu(const TInfEdStaQu& e, int& i);

    // Block of the book file, present from version 661. Reading with load
    // replaces both lists; nothing changes unless the whole block was read.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);
    bool LeggeDaFile(ifpstream& in, bool load, short v, const IRisolviRif& ris);

    // Entries that refer to the station forget it (the book is deleting it).
    void DimenticaSta(const CSta* sta);

private:
    CLibCmp* Lib;
    std::vector<TInfEdStaOr> Or;
    std::vector<TInfEdStaQu> Qu;
};
