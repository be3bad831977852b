// CMemRoTra: a station memory of the field book.
#pragma once

#include "zor3dtlc_export.h"

class CLibCmp;

class ZOR3DTLC_API CMemRoTra {
public:
    explicit CMemRoTra(CLibCmp* lib) : Lib(lib) {}

private:
    CLibCmp* Lib;
};
