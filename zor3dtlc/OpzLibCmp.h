// COpzLibCmp: the options of the field book itself (section "OPZ-VARIE").
#pragma once

#include "zor3dtlc_export.h"

class ofpstream;
class ifpstream;

class ZOR3DTLC_API COpzLibCmp {
public:
    COpzLibCmp();   // CdElab and the four switches zeroed, the keys from the settings
    COpzLibCmp(const COpzLibCmp&) = default;
    COpzLibCmp& operator=(const COpzLibCmp&) = default;

    void GetDaIni();
    bool SetInIni() const;

    // The record inside the field book (CanCdAlfO is not in it). Reading
    // changes the object only when the whole record was read and load is true.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);

    short CdElab;       // book-level processing state
    bool File2Do3D;     // how ModDimens2d3d makes a book plane
    bool Switch[4];     // saved in the book only
    bool WriFilSto;
    bool CanCdAlfO;     // strip letter codes from books older than 710 on reading
};
