// Helpers of the import tests: a private settings file, temporary files and
// a text dump of a field book that tables of cases compare against.
#pragma once

#include <LibCmp.h>
#include <TestFiles.h>
#include <zor0util.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace imptest {

using rtest::DataPath;
using rtest::ScopedIni;
using rtest::TempFile;
using rtest::TempPath;

// "X" for an invalid number, otherwise six decimals.
inline std::string Num(double v)
{
    if (!EstValido(v))
        return "X";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

// One line per job ("J name|oper|strum|data"), station ("S name|iden|hs")
// and point ("P name|code|note|hp|d0|d1|d2").
inline std::vector<std::string> Dump(const CLibCmp& lib)
{
    std::vector<std::string> out;
    for (int j = 0; j < lib.GetJobArSize(); ++j) {
        const CJob* job = lib.GetJobAt(j);
        out.push_back("J " + job->GetNome() + "|" + job->GetOper() + "|" + job->GetStrum() + "|" + job->GetData());
        for (int i = 0; i < lib.GetStaArSize(j); ++i) {
            const CSta* s = lib.GetStaAt(j, i);
            out.push_back("S " + s->GetNome() + "|" + s->GetIden() + "|" + Num(s->GetAltStr()));
            for (int k = 0; k < lib.GetPunArSize(j, i); ++k) {
                const CPun* p = lib.GetPunAt(j, i, k);
                out.push_back("P " + p->GetNome() + "|" + p->GetCode() + "|" + p->GetNote() + "|" +
                              Num(p->GetAltPri()) + "|" + Num(p->GetDato0()) + "|" + Num(p->GetDato1()) + "|" +
                              Num(p->GetDato2()));
            }
        }
    }
    return out;
}

}  // namespace imptest
