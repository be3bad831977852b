// `rilievo import`: converts an instrument file into jobs, stations and
// points appended to a field book (created when it does not exist).
#include "book_file.h"
#include "command.h"

#include <ConvFileGT7.h>
#include <FConvFile.h>
#include <LibCmp.h>
#include <hostui.h>
#include <zor3mgen.h>
#include <zor4dglc.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {
const char* kHelp =
    "uso: rilievo import FILE [--format N|gt7] [--codes TABELLA] -o LIBRETTO\n"
    "  Importa il file dello strumento nel libretto delle misure LIBRETTO (creato se\n"
    "  non esiste, altrimenti i dati si aggiungono in coda).\n"
    "  Senza --format il formato si sceglie dall'estensione del file (GT7 e DAT: GTS-7).\n"
    "  --format N     formato numerato da 1 a 16; --format gt7 legge FILE come GTS-7\n"
    "                 qualunque sia l'estensione\n"
    "  --codes FILE   tabella di conversione dei codici (righe CODICE = CODICE RILIEVO [| ATTRIBUTO])\n"
    "  -o LIBRETTO    file del libretto";

int Run(const std::vector<std::string>& args)
{
    std::string file, format, book, codes;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        if (a == "--format") {
            if (!value(format))
                return cli::UsageError("import", "--format vuole un valore");
        } else if (a == "-o" || a == "--output") {
            if (!value(book))
                return cli::UsageError("import", "-o vuole il nome del libretto");
        } else if (a == "--codes") {
            if (!value(codes))
                return cli::UsageError("import", "--codes vuole il nome della tabella");
        } else if (!a.empty() && a[0] == '-') {
            return cli::UsageError("import", "opzione sconosciuta: " + a);
        } else if (file.empty()) {
            file = a;
        } else {
            return cli::UsageError("import", "un solo file da importare");
        }
    }
    if (file.empty())
        return cli::UsageError("import", "manca il file da importare");
    if (book.empty())
        return cli::UsageError("import", "manca il libretto (-o LIBRETTO)");

    cli::Book b;
    std::string error;
    if (std::filesystem::exists(book) && !cli::LoadBook(b, book, error)) {
        std::fprintf(stderr, "rilievo import: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    CLibCmp& lib = *b.lib;
    const int jobs0 = lib.GetNuTotJob();
    const int sta0 = lib.GetNuTotSta();
    const int pun0 = lib.GetNuTotPun();

    CConvCod::SetFileTabellaPredefinita(codes.empty() ? std::optional<std::string>() : codes);
    hostui::StderrSink sink;
    hostui::ScopedSink scoped(sink);
    sink.SetAnswer(DGLC_ASK_FILE_STRUM, file);
    bool ok = false;
    if (format.empty()) {
        ok = FConvFileDaStrum(lib, 0);
    } else if (format == "gt7" || format == "GT7") {
        std::string name = file;
        CConvFileGT7 conv(lib, &name);
        ok = conv.Esegui();
    } else {
        sink.SetAnswer(DGLC_ASK_FORMATO, format);
        ok = FConvFileNoTopcon(lib);
    }
    if (!ok) {
        std::fprintf(stderr, "rilievo import: '%s' non importato\n", file.c_str());
        return cli::ExitFailed;
    }
    std::printf("importati da %s: %d lavori, %d stazioni, %d punti\n", file.c_str(), lib.GetNuTotJob() - jobs0,
                lib.GetNuTotSta() - sta0, lib.GetNuTotPun() - pun0);
    if (!cli::SaveBook(b, book, error)) {
        std::fprintf(stderr, "rilievo import: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    std::printf("libretto: %s (%d lavori, %d stazioni, %d punti)\n", book.c_str(), lib.GetNuTotJob(),
                lib.GetNuTotSta(), lib.GetNuTotPun());
    return cli::ExitOk;
}

cli::Register reg({"import", "importa un file di strumento in un libretto delle misure", kHelp, Run});
}  // namespace
