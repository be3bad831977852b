// Field-book file: saving and reading a large book (jobs x stations x points).
#include <LibCmp.h>
#include <LibroFile.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void Riempi(CLibCmp& lib, int punti)
{
    const int perSta = 250;
    lib.AddJob()->SetNome("Grande");
    for (int i = 0; i * perSta < punti; ++i) {
        CSta* s = lib.AddSta(0);
        s->SetNome("S" + std::to_string(i));
        s->SetAltStr(1.5);
        lib.PunArReserve(0, i, perSta);
        for (int k = 0; k < perSta && i * perSta + k < punti; ++k) {
            CPun* p = lib.AddPun(0, i);
            p->SetNome(std::to_string(i * perSta + k));
            p->SetCode("cod");
            p->SetDtIntAng(10.0 + k, 99.5, 0.37 * k);
            p->SetAltPri(1.3);
        }
    }
}

std::string Percorso()
{
    return (std::filesystem::temp_directory_path() / "rilievo_libcmp_bench.lib").string();
}

void BM_SalvaLibro(benchmark::State& state)
{
    COriData ori(0);
    CLibCmp lib(nullptr, &ori, -1);
    Riempi(lib, static_cast<int>(state.range(0)));
    const std::string path = Percorso();
    for (auto _ : state)
        benchmark::DoNotOptimize(SalvaLibroInFile(lib, path));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}

void BM_LeggeLibro(benchmark::State& state)
{
    const std::string path = Percorso();
    {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        Riempi(lib, static_cast<int>(state.range(0)));
        SalvaLibroInFile(lib, path);
    }
    for (auto _ : state) {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        benchmark::DoNotOptimize(LeggeLibroDaFile(lib, path));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(BM_SalvaLibro)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeggeLibro)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
