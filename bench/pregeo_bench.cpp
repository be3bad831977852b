// Writing the PREGEO file of a field book of one million points and reading
// it back.
#include <ConvFilePregeo.h>
#include <LibCmp.h>
#include <LibConOri.h>
#include <PrtCts.h>
#include <hostui.h>
#include <zor3dtct.h>
#include <zor3mgen.h>
#include <zor4dgct.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
std::string TempName(const char* stem)
{
    return (std::filesystem::temp_directory_path() / ("rilievo_pregeo_bench_" + std::to_string(::getpid()) + stem))
        .string();
}

// One job of stations with 500 points each; the document writes the job.
void Riempie(CLibCmp& lib, CCts& doc, int64_t points)
{
    lib.AddJob()->SetLabels("bench", "op", "ts", "01/01/2026");
    for (int64_t n = 0, s = 0; n < points; ++s) {
        CSta* sta = lib.AddSta(0);
        sta->SetNome("S" + std::to_string(s));
        for (int p = 0; p < 500 && n < points; ++p, ++n) {
            CPun* pun = lib.AddPun(sta);
            pun->SetNome("P" + std::to_string(n));
            pun->SetCode("muro");
            pun->SetDtIntAng(5.0 + (p % 2000) / 10.0, 95.0 + (p % 100) / 10.0, (p * 7919 % 4000000) / 10000.0);
        }
    }
    doc.SetData("01", "01", "2026");
    doc.SetProt("1");
    doc.AddRig('L')->SetIntero1(1);
    doc.AddRig('S')->SetIntero1(1);
}

void BM_PregeoWrite(benchmark::State& state)
{
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped(sink);
    COriData ori(0);
    CLibCmp lib(nullptr, &ori, -1);
    CCts doc;
    Riempie(lib, doc, state.range(0));
    const std::string file = TempName(".DAT");
    for (auto _ : state) {
        sink.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
        sink.ScriptAnswer(DGCT_ASK_FILE, file);
        CPrtCts prt(nullptr, doc, lib, "");
        if (!prt.CreaFile())
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(file);
}
BENCHMARK(BM_PregeoWrite)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PregeoRead(benchmark::State& state)
{
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped(sink);
    CConvCod::SetFileTabellaPredefinita(std::string());
    const std::string file = TempName(".DAT");
    {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        CCts doc;
        Riempie(lib, doc, state.range(0));
        sink.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
        sink.ScriptAnswer(DGCT_ASK_FILE, file);
        CPrtCts prt(nullptr, doc, lib, "");
        prt.CreaFile();
    }
    for (auto _ : state) {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        CCts doc;
        bool coord = false;
        if (!FLoadFilePregeo(lib, doc, file.c_str(), coord))
            state.SkipWithError("read failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(file);
}
BENCHMARK(BM_PregeoRead)->Arg(1000000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
