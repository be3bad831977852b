// `rilievo entity`: prints the surveyed-entity records of a stream file
// (a diagnostic for files written record after record at one version).
#include "command.h"

#include <Egn.h>
#include <fpstream.h>

#include <cstdio>
#include <string>

namespace {
int Run(const std::vector<std::string>& args)
{
    if (args.size() < 1 || args.size() > 2)
        return cli::UsageError("entity", "serve un file, e facoltativamente la versione");
    ifpstream in(args[0]);
    if (in.fail()) {
        std::fprintf(stderr, "rilievo entity: impossibile aprire '%s'\n", args[0].c_str());
        return cli::ExitFailed;
    }
    int version = 720;
    if (args.size() == 2) {
        try {
            version = std::stoi(args[1]);
        } catch (...) {
            return cli::UsageError("entity", "versione non valida: " + args[1]);
        }
    }
    in.SetVersion(static_cast<short>(version));
    int count = 0;
    while (in.Remaining() > 0) {
        CEgn e;
        if (!e.LeggeDaFile(in)) {
            std::fprintf(stderr, "rilievo entity: record %d illeggibile (file troncato o corrotto)\n", count + 1);
            return cli::ExitFailed;
        }
        ++count;
        std::printf("%-16s %-24s X=%.4f Y=%.4f Z=%.4f codici=0x%X\n", e.GetNomeChar(), e.GetSecScriChar(),
                    e.GetCoordX(), e.GetCoordY(), e.GetCoordZ(), static_cast<unsigned>(e.GetCodeEgn()));
    }
    std::printf("%d record letti\n", count);
    return cli::ExitOk;
}

cli::Register reg({"entity", "elenca i record di entità di un file di flusso",
                   "uso: rilievo entity FILE [VERSIONE]\n  legge i record di entità uno dopo l'altro (versione predefinita 720)",
                   Run});
}  // namespace
