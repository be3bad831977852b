// COpzListDisEtp: the drawing options of the field book.
#pragma once

#include "zor3dtlc_export.h"

class COpzListDisEgn;

class ZOR3DTLC_API COpzListDisEtp {
public:
    explicit COpzListDisEtp(COpzListDisEgn* common) : Common(common) {}
    void SetOpzToDef(int) {}

private:
    COpzListDisEgn* Common;
};
