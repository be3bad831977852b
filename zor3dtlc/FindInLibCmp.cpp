// CFindInLibCmp: point search by name or code.
#include "FindInLibCmp.h"

#include "LibCmp.h"

CFindInLibCmp::~CFindInLibCmp() = default;

int CFindInLibCmp::TrovaPunLocal(const std::string& text, int mode, int job, int station, int& point) const
{
    if (!Lib || (mode & (TROVA_NOME | TROVA_CODE)) == 0)
        return -1;
    const int n = Lib->GetPunArSize(job, station);
    for (int k = point < 0 ? 0 : point; k < n; ++k) {
        const CPun* p = Lib->GetPunAt(job, station, k);
        if (((mode & TROVA_NOME) && p->NomeRef() == text) || ((mode & TROVA_CODE) && p->SecScriRef() == text)) {
            point = k;
            return k;
        }
    }
    return -1;
}

int CFindInLibCmp::TrovaPunGlobal(const std::string& text, int mode, int& job, int& station, int& point) const
{
    if (!Lib)
        return -1;
    const int nJob = Lib->GetJobArSize();
    int sj = job, si = station, sk = point < 0 ? 0 : point;
    if (!Lib->GetStaAt(sj, si)) {
        // Not a station of the book: start at its first station.
        sj = 0;
        while (sj < nJob && Lib->GetStaArSize(sj) == 0)
            ++sj;
        if (sj >= nJob)
            return -1;
        si = 0;
        sk = 0;
    }
    int cj = sj, ci = si, ck = sk;
    bool wrapped = false;
    // Every station is visited at most once, the starting one twice.
    for (;;) {
        int k = ck;
        const int r = TrovaPunLocal(text, mode, cj, ci, k);
        if (r >= 0) {
            job = cj;
            station = ci;
            point = k;
            return r;
        }
        if (wrapped && cj == sj && ci == si)
            return -1;
        ++ci;
        while (ci >= Lib->GetStaArSize(cj)) {
            ++cj;
            ci = 0;
            if (cj >= nJob) {
                if (wrapped)
                    return -1;
                wrapped = true;
                cj = 0;
            }
        }
        ck = 0;
    }
}
