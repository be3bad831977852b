// Importing a GTS-7 file of one million records and reducing every point.
#include <ConvFileGT7.h>
#include <LibCmp.h>
#include <LibConOri.h>
#include <hostui.h>
#include <zor3mgen.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
// One job, stations of 499 points each (SS + SD records), until the file
// holds `records` records.
std::string MakeFile(int64_t records)
{
    const std::string name =
        (std::filesystem::temp_directory_path() / ("rilievo_import_bench_" + std::to_string(::getpid()) + ".gt7"))
            .string();
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << "GTS-7\nJOB bench,\n";
    int64_t n = 1;
    char line[128];
    for (int s = 0; n < records; ++s) {
        std::snprintf(line, sizeof line, "STN S%d,1.550,ST\n", s);
        out << line;
        ++n;
        for (int p = 0; p < 499 && n < records; ++p, n += 2) {
            std::snprintf(line, sizeof line, "SS P%d.%d,1.300,OR muro\nSD %.4f,%.4f,%.3f\n", s, p,
                          (p * 7919 % 4000000) / 10000.0, 95.0 + (p % 100) / 10.0, 5.0 + (p % 2000) / 10.0);
            out << line;
        }
    }
    return name;
}

void BM_ImportAndReduce(benchmark::State& state)
{
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped(sink);
    CConvCod::SetFileTabellaPredefinita(std::string());
    CConvCod::SetCancCodAlfPredefinito(false);
    std::string name = MakeFile(state.range(0));
    int64_t points = 0;
    for (auto _ : state) {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        {
            CConvFileGT7 conv(lib, &name);
            if (!conv.Esegui())
                state.SkipWithError("import failed");
        }
        const CCalcDsOr& calc = lib.GetCalcDsOr();
        for (int j = 0; j < lib.GetJobArSize(); ++j)
            for (int i = 0; i < lib.GetStaArSize(j); ++i) {
                CSta* s = lib.GetStaAt(j, i);
                s->SetCoordX(1000.0 * i);
                s->SetCoordY(0.0);
                s->SetCoordZ(100.0);
                s->CalcolaValiditaXYZ();
                s->SetAnCoAz(0.0);
                for (int k = 0; k < lib.GetPunArSize(j, i); ++k)
                    lib.GetPunAt(j, i, k)->CalcolaCoordAssolute(true, calc);
            }
        points = lib.GetNuTotPun();
        benchmark::DoNotOptimize(points);
    }
    std::filesystem::remove(name);
    state.counters["points"] = static_cast<double>(points);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportAndReduce)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
BENCHMARK_MAIN();
