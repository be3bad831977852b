// Writing and reading surveyed-entity records through the persistence streams.
#include <Egn.h>
#include <fpstream.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {
std::string TempName()
{
    return (std::filesystem::temp_directory_path() / "rilievo_stream_bench.bin").string();
}

void BM_WriteEntities(benchmark::State& state)
{
    CEgn e;
    e.SetNome("P1234");
    e.SetSecScri("OR.QU spigolo");
    e.SetCoordX(1000.0);
    e.SetCoordY(2000.0);
    e.SetCoordZ(100.0);
    const std::string name = TempName();
    for (auto _ : state) {
        ofpstream out(name, 720, "");
        for (int64_t i = 0; i < state.range(0); ++i)
            e.SalvaInFile(out);
        out.close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteEntities)->Arg(100000);

void BM_ReadEntities(benchmark::State& state)
{
    const std::string name = TempName();
    {
        CEgn e;
        e.SetNome("P1234");
        ofpstream out(name, 720, "");
        for (int64_t i = 0; i < state.range(0); ++i)
            e.SalvaInFile(out);
    }
    for (auto _ : state) {
        ifpstream in(name);
        in.SetVersion(720);
        CEgn e;
        while (in.Remaining() > 0 && e.LeggeDaFile(in)) {
        }
        benchmark::DoNotOptimize(e);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(name);
}
BENCHMARK(BM_ReadEntities)->Arg(100000);
}  // namespace

BENCHMARK_MAIN();
