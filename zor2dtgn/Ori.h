// COri: an orientation point or a common point, a surveyed entity with a
// reliability value; its second text is its comment.
#pragma once

#include "Egn.h"
#include "zor2dtgn_export.h"

#include <string>

class ZOR2DTGN_API COri : public CEgn {
public:
    COri() { AnnullaLeVarOri(); }
    COri(const COri&) = default;
    COri& operator=(const COri&) = default;
    ~COri() override;

    void SetComm(const std::string& s) { SetSecScri(s); }
    void SetCommChar(const char* s) { SetSecScriChar(s); }
    std::string GetComm() const { return GetSecScri(); }
    const char* GetCommChar() const { return GetSecScriChar(); }

    void SetAttendib(short a) { Attendib = a; }
    short GetAttendib() const { return Attendib; }

    void AnnullaLeVarOri() { Attendib = 1; }
    void AnnullaTutteLeVar()
    {
        CEgn::AnnullaTutteLeVar();
        AnnullaLeVarOri();
    }

    // Two points are the same point when their names are equal.
    bool operator==(const COri& o) const { return NomeRef() == o.NomeRef(); }

    // The entity record followed by the int16 reliability. Reading changes
    // the point only when the whole record was read.
    bool SalvaInFile(ofpstream& out) const;
    bool LeggeDaFile(ifpstream& in);
    static constexpr uint64_t DimMinRecord(short v) { return CEgn::DimMinRecord(v) + 2; }

private:
    short Attendib;
};
