// `rilievo book`: prints a field-book file, or checks that it reads whole.
#include "command.h"

#include <LibCmp.h>
#include <LibroFile.h>
#include <zor0util.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// Texts of the book are CP1252 bytes; the terminal gets UTF-8.
std::string Utf8(const std::string& cp1252)
{
    static const char16_t k80[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                     0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string out;
    out.reserve(cp1252.size());
    for (unsigned char c : cp1252) {
        char32_t u = c;
        if (c >= 0x80 && c < 0xA0)
            u = k80[c - 0x80];
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::string Num(double v, int decimals)
{
    return EstValido(v) ? StringDaDouble(v, 0, decimals) : std::string("-");
}

std::string Coord(const CEgn& e)
{
    return "X " + Num(e.GetCoordX(), 4) + " Y " + Num(e.GetCoordY(), 4) + " Z " + Num(e.GetCoordZ(), 4);
}

struct Libro {
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
};

bool Leggi(const std::string& cmd, const std::string& path, Libro& b, TEsitoLibro& esito)
{
    if (LeggeLibroDaFile(b.lib, path, &esito))
        return true;
    std::fprintf(stderr, "rilievo book %s: %s\n", cmd.c_str(), esito.Errore.c_str());
    return false;
}

int Show(const std::string& path)
{
    Libro b;
    TEsitoLibro esito;
    if (!Leggi("show", path, b, esito))
        return cli::ExitFailed;
    const CLibCmp& lib = b.lib;
    std::printf("Libretto %s (versione %d)\n", path.c_str(), esito.Versione);
    for (int j = 0; j < lib.GetJobArSize(); ++j) {
        const CJob* job = lib.GetJobAt(j);
        std::printf("Lavoro %d: %s  operatore %s  strumento %s  data %s  località %s\n", j + 1,
                    Utf8(job->GetNome()).c_str(), Utf8(job->GetOper()).c_str(), Utf8(job->GetStrum()).c_str(),
                    Utf8(job->GetData()).c_str(), Utf8(job->GetLocalita()).c_str());
        for (int i = 0; i < lib.GetStaArSize(j); ++i) {
            const CSta* s = lib.GetStaAt(j, i);
            std::printf("  Stazione %s  iden \"%s\"  h.str %s  %s  codici 0x%X\n", Utf8(s->GetNome()).c_str(),
                        Utf8(s->GetIden()).c_str(), Num(s->GetAltStr(), 3).c_str(), Coord(*s).c_str(),
                        static_cast<unsigned>(s->GetCodeEgn()));
            for (int k = 0; k < lib.GetPunArSize(j, i); ++k) {
                const CPun* p = lib.GetPunAt(j, i, k);
                std::printf("    Punto %s  codice \"%s\"  dist.incl %s  zenit %s  oriz %s  h.pr %s  codici 0x%X\n",
                            Utf8(p->GetNome()).c_str(), Utf8(p->GetCode()).c_str(), Num(p->GetDato0(), 4).c_str(),
                            Num(p->GetDato1(), 4).c_str(), Num(p->GetDato2(), 4).c_str(),
                            Num(p->GetAltPri(), 3).c_str(), static_cast<unsigned>(p->GetCodeEgn()));
            }
        }
    }
    if (lib.GetOriArSize() > 0) {
        std::printf("Punti di orientamento:\n");
        for (int o = 0; o < lib.GetOriArSize(); ++o) {
            const COri* p = lib.GetOriAt(o);
            std::printf("  %s  \"%s\"  %s  attendibilità %d\n", Utf8(p->GetNome()).c_str(),
                        Utf8(p->GetComm()).c_str(), Coord(*p).c_str(), p->GetAttendib());
        }
    }
    std::printf("Totale: %d lavori, %d stazioni, %d punti, %d punti di orientamento\n", lib.GetNuTotJob(),
                lib.GetNuTotSta(), lib.GetNuTotPun(), lib.GetOriArSize());
    return cli::ExitOk;
}

int Check(const std::string& path)
{
    Libro b;
    TEsitoLibro esito;
    if (!Leggi("check", path, b, esito))
        return cli::ExitFailed;
    const CLibCmp& lib = b.lib;
    if (esito.ByteAvanzati > 0) {
        std::printf("%s: versione %d, letto, ma seguono %llu byte estranei: file danneggiato\n", path.c_str(),
                    esito.Versione, static_cast<unsigned long long>(esito.ByteAvanzati));
        return cli::ExitFailed;
    }
    std::printf("%s: versione %d, integro (%d lavori, %d stazioni, %d punti, %d punti di orientamento)\n",
                path.c_str(), esito.Versione, lib.GetNuTotJob(), lib.GetNuTotSta(), lib.GetNuTotPun(),
                lib.GetOriArSize());
    return cli::ExitOk;
}

int Run(const std::vector<std::string>& args)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::printf("uso: rilievo book show FILE | rilievo book check FILE\n");
        return cli::ExitOk;
    }
    if (args.size() != 2)
        return cli::UsageError("book", "servono un'azione (show o check) e un file");
    if (args[0] == "show")
        return Show(args[1]);
    if (args[0] == "check")
        return Check(args[1]);
    return cli::UsageError("book", "azione sconosciuta: " + args[0]);
}

cli::Register reg({"book", "mostra o verifica un libretto delle misure",
                   "uso: rilievo book show FILE    stampa lavori, stazioni e punti con letture e codici\n"
                   "     rilievo book check FILE   legge il libretto e ne riporta versione e integrità",
                   Run});
}  // namespace
