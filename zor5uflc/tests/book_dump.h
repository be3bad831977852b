// Helpers of the import tests: a private settings file, temporary files and
// a text dump of a field book that tables of cases compare against.
#pragma once

#include <LibCmp.h>
#include <zor0util.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace imptest {

inline std::string DataPath(const std::string& name)
{
    const char* dir = std::getenv("RILIEVO_TEST_DATA");
    return std::string(dir ? dir : "data") + "/" + name;
}

inline std::string TempPath(const std::string& stem)
{
    static int serial = 0;
    return (std::filesystem::temp_directory_path() /
            ("rilievo_uf_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + "_" + stem))
        .string();
}

// A file with the given bytes, removed when the object goes.
class TempFile {
public:
    TempFile(const std::string& stem, const std::string& bytes) : path_(TempPath(stem))
    {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Points the settings file at a fresh file for the life of the object.
class ScopedIni {
public:
    ScopedIni() : path_(TempPath("ini"))
    {
        if (const char* old = std::getenv("RILIEVO_INI"))
            old_ = old;
        ::setenv("RILIEVO_INI", path_.c_str(), 1);
    }
    ~ScopedIni()
    {
        std::filesystem::remove(path_);
        if (old_.empty())
            ::unsetenv("RILIEVO_INI");
        else
            ::setenv("RILIEVO_INI", old_.c_str(), 1);
    }
    ScopedIni(const ScopedIni&) = delete;
    ScopedIni& operator=(const ScopedIni&) = delete;

private:
    std::string path_;
    std::string old_;
};

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
