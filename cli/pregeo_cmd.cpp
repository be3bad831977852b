// `rilievo pregeo`: the cadastral PREGEO survey file of a field book and its
// cadastral document (write, with the archive record and the report), and a
// PREGEO file read back into a field book and a cadastral document (read).
#include "book_file.h"
#include "command.h"

#include <ConvFilePregeo.h>
#include <LibCmp.h>
#include <PrtCts.h>
#include <hostui.h>
#include <zor3dtct.h>
#include <zor4dgct.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {
const char* kHelp =
    "uso: rilievo pregeo write LIBRETTO DOCUMENTO -o FILE.DAT [--report STAMPA.txt] [--archive ARCHIVIO]\n"
    "     rilievo pregeo read FILE.DAT -o LIBRETTO [--doc DOCUMENTO] [--result FILE.OUT]\n"
    "  write  scrive il file PREGEO del libretto delle misure e del documento catastale\n"
    "         (file di testo, vedi README); con --report anche la stampa di controllo;\n"
    "         con --archive aggiorna il record dell'atto nell'archivio PREGEO (record di\n"
    "         39 byte; un record dello stesso protocollo e anno viene sovrascritto).\n"
    "  read   legge un file PREGEO in un libretto (creato, o accodato se esiste) e,\n"
    "         con --doc, ne scrive il documento catastale; le coordinate calcolate si\n"
    "         prendono dal file dei risultati (FILE.out accanto al file, o --result).";

struct Opzioni {
    std::vector<std::string> posizionali;
    std::string output, report, archivio, doc, risultati;
};

int Leggi(const std::vector<std::string>& args, Opzioni& o)
{
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto valore = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        std::string* dove = nullptr;
        if (a == "-o" || a == "--output")
            dove = &o.output;
        else if (a == "--report")
            dove = &o.report;
        else if (a == "--archive")
            dove = &o.archivio;
        else if (a == "--doc")
            dove = &o.doc;
        else if (a == "--result")
            dove = &o.risultati;
        if (dove) {
            if (!valore(*dove))
                return cli::UsageError("pregeo", a + " vuole un valore");
        } else if (!a.empty() && a[0] == '-') {
            return cli::UsageError("pregeo", "opzione sconosciuta: " + a);
        } else {
            o.posizionali.push_back(a);
        }
    }
    return cli::ExitOk;
}

int Scrive(const Opzioni& o)
{
    if (o.posizionali.size() != 2)
        return cli::UsageError("pregeo", "write vuole il libretto e il documento catastale");
    if (o.output.empty())
        return cli::UsageError("pregeo", "manca il file PREGEO (-o FILE.DAT)");
    cli::Book b;
    std::string error;
    if (!cli::LoadBook(b, o.posizionali[0], error)) {
        std::fprintf(stderr, "rilievo pregeo: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    CCts doc;
    if (!doc.LeggeDaFile(o.posizionali[1], error)) {
        std::fprintf(stderr, "rilievo pregeo: documento catastale non valido: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    // The command line chooses the file: the PREGEO installation of the
    // document's options is not used.
    doc.GetOpzCts().SetUsaPregeo(false);

    hostui::StderrSink sink;
    hostui::ScopedSink scoped(sink);
    sink.SetAnswer(DGCT_ASK_OPZ, "ok");
    sink.SetAnswer(DGCT_ASK_FILE, o.output);
    CPrtCts prt(nullptr, doc, *b.lib, o.output.c_str());
    if (!o.archivio.empty())
        prt.SetNomeArchivio(o.archivio);
    if (!prt.CreaFile()) {
        std::fprintf(stderr, "rilievo pregeo: file PREGEO non scritto\n");
        return cli::ExitFailed;
    }
    std::printf("file PREGEO: %s\n", prt.GetNomeFile().c_str());
    if (!o.archivio.empty())
        std::printf("archivio aggiornato: %s\n", o.archivio.c_str());
    if (!o.report.empty()) {
        // The report's warnings were already shown with the file: keep only its errors.
        hostui::RecordingSink quiet;
        hostui::ScopedSink scopedQuiet(quiet);
        CPrtCts stampa(nullptr, doc, *b.lib, prt.GetNomeFile().c_str());
        stampa.SetFileReport(o.report);
        const bool ok = stampa.Stampa();
        for (const auto& m : quiet.messages)
            if (m.level == hostui::Level::Error)
                std::fprintf(stderr, "rilievo pregeo: %s\n", m.text.c_str());
        if (!ok) {
            std::fprintf(stderr, "rilievo pregeo: stampa non scritta\n");
            return cli::ExitFailed;
        }
        std::printf("stampa: %s\n", stampa.GetFileReport().c_str());
    }
    return cli::ExitOk;
}

int LeggePregeo(const Opzioni& o)
{
    if (o.posizionali.size() != 1)
        return cli::UsageError("pregeo", "read vuole un file PREGEO");
    if (o.output.empty())
        return cli::UsageError("pregeo", "manca il libretto (-o LIBRETTO)");
    const std::string& file = o.posizionali[0];
    cli::Book b;
    std::string error;
    if (std::filesystem::exists(o.output) && !cli::LoadBook(b, o.output, error)) {
        std::fprintf(stderr, "rilievo pregeo: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    CLibCmp& lib = *b.lib;
    const int jobs0 = lib.GetNuTotJob(), sta0 = lib.GetNuTotSta(), pun0 = lib.GetNuTotPun();
    const int ori0 = lib.GetOriArSize();
    CCts doc;
    hostui::StderrSink sink;
    hostui::ScopedSink scoped(sink);
    bool coord = false;
    CConvFilePregeo conv(lib, doc);
    if (!o.risultati.empty())
        conv.SetNomeFileOut(o.risultati);
    if (!conv.Load(file.c_str(), coord)) {
        std::fprintf(stderr, "rilievo pregeo: impossibile leggere '%s'\n", file.c_str());
        return cli::ExitFailed;
    }
    if (conv.GetAggFallita())
        std::fprintf(stderr, "rilievo pregeo: alcuni dati non sono stati aggiunti al libretto\n");
    std::printf("letti da %s: %d lavori, %d stazioni, %d punti, %d punti fiduciali%s\n", file.c_str(),
                lib.GetNuTotJob() - jobs0, lib.GetNuTotSta() - sta0, lib.GetNuTotPun() - pun0,
                lib.GetOriArSize() - ori0, coord ? "; coordinate dal file dei risultati" : "");
    if (!cli::SaveBook(b, o.output, error)) {
        std::fprintf(stderr, "rilievo pregeo: %s\n", error.c_str());
        return cli::ExitFailed;
    }
    std::printf("libretto: %s\n", o.output.c_str());
    if (!o.doc.empty()) {
        if (!doc.SalvaInFile(o.doc, error)) {
            std::fprintf(stderr, "rilievo pregeo: %s\n", error.c_str());
            return cli::ExitFailed;
        }
        std::printf("documento catastale: %s\n", o.doc.c_str());
    }
    return cli::ExitOk;
}

int Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return cli::UsageError("pregeo", "serve write o read");
    Opzioni o;
    if (int rc = Leggi(args, o); rc != cli::ExitOk)
        return rc;
    if (args[0] == "write")
        return Scrive(o);
    if (args[0] == "read")
        return LeggePregeo(o);
    return cli::UsageError("pregeo", "comando sconosciuto: " + args[0] + " (write o read)");
}

cli::Register reg({"pregeo", "scrive e legge il file PREGEO del rilievo catastale", kHelp, Run});
}  // namespace
