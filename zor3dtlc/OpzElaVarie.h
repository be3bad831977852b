// COpzElaVarie: further processing settings of the host, kept and saved with
// the field book (no settings keys).
#pragma once

#include "zor3dtlc_export.h"

#include <cstdint>

class ofpstream;
class ifpstream;

class ZOR3DTLC_API COpzElaVarie {
public:
    COpzElaVarie();   // the fixed initial values
    COpzElaVarie(const COpzElaVarie&) = default;
    COpzElaVarie& operator=(const COpzElaVarie&) = default;

    void RisettaOpz();

    // The record inside the field book, present from version 661. Reading
    // changes the object only when the whole record was read and load is
    // true; below 715 the last three values become 0 whatever the load flag.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);

    int32_t ValInt[16];    // I1 to I16
    double ValDbl[5];
    int32_t ValInt2;
    bool ValBool;
};
