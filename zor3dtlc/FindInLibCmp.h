// CFindInLibCmp: finds observed points of a field book by name or by code,
// within one station or across the whole book, wrapping around once.
#pragma once

#include "zor3dtlc_export.h"

#include <string>

class CLibCmp;

class ZOR3DTLC_API CFindInLibCmp {
public:
    // What a point is compared by (a bit set; with both bits either matches).
    enum { TROVA_NOME = 1, TROVA_CODE = 2 };

    explicit CFindInLibCmp(CLibCmp* lib) : Lib(lib) {}
    CFindInLibCmp(const CFindInLibCmp&) = default;
    CFindInLibCmp& operator=(const CFindInLibCmp&) = default;
    virtual ~CFindInLibCmp();

    // The first matching point of station (job, station) from index `point`
    // on: its index (also left in `point`), or -1 with `point` unchanged.
    int TrovaPunLocal(const std::string& text, int mode, int job, int station, int& point) const;
    // Searches from (job, station, point) to the end of the book, then from
    // the start back to the starting station. Found: the point's index, with
    // job, station and point giving its position; otherwise -1 and the
    // position unchanged. A start that is not a station of the book searches
    // the whole book once.
    int TrovaPunGlobal(const std::string& text, int mode, int& job, int& station, int& point) const;

private:
    CLibCmp* Lib;
};
