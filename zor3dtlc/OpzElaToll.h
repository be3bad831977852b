// COpzElaToll: the processing tolerances of the field book (section
// "OPZ-ELA"). The settings file keeps them in convenient units; the object
// holds them in metres and gon.
#pragma once

#include "zor3dtlc_export.h"

class ofpstream;
class ifpstream;

class ZOR3DTLC_API COpzElaToll {
public:
    COpzElaToll();   // the stored defaults, then the settings file
    COpzElaToll(const COpzElaToll&) = default;
    COpzElaToll& operator=(const COpzElaToll&) = default;

    void RisettaOpz();
    void GetDaIni();
    bool SetInIni() const;

    // The record inside the field book at version v (the stored values).
    // Reading changes the object only when the whole record was read and load
    // is true.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);

    bool RicAutoOr;
    bool MedPtSemp;
    bool CalcTolle;
    double TlfPtDpDs;
    double TlpPtDpDs;
    double TlfPtDpAn;
    double TolPoliDs;
    double TolPoliAn;
    double TlfPoliQu;
    double TlpPoliQu;
    double TolCalcCs;
    double TolCalcCp;
    double TolCalcQu;
    double AltMinPri;
    double AltMaxPri;
    double TlfPtDpQu;
    double TlpPtDpQu;
};
