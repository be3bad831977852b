// Adding N layers to a drawing and finding each of them by name (in another case than it
// was added with). Both must stay linear in N: the table indexes names, so the time per
// layer does not grow with the table.
#include "lum/core/Data.h"
#include "lum/core/DataFactory.h"
#include "lum/core/Functions.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace lum::core;

namespace {

std::vector<fnd::String> Names(std::int64_t n, const char* prefix)
{
    std::vector<fnd::String> v;
    v.reserve(static_cast<std::size_t>(n));
    for (std::int64_t i = 0; i < n; ++i)
        v.emplace_back(std::string(prefix) + std::to_string(i));
    return v;
}

void BM_AddAndFindLayers(benchmark::State& state)
{
    initCore();
    const auto added = Names(state.range(0), "Layer_");
    const auto sought = Names(state.range(0), "LAYER_");
    for (auto _ : state) {
        auto d = fnd::RefPtr<CData>::Adopt(CDataFactory().CreateData("bench"));
        CLtype* cont = GetLtypeContinuous(d.get());
        for (const auto& n : added)
            AddNewLayer(d.get(), n, cont, 1, 0, 0);
        std::size_t found = 0;
        for (const auto& n : sought)
            found += FindLayer(d.get(), n) != nullptr;
        if (found != sought.size())
            state.SkipWithError("a layer was not found");
        state.PauseTiming();
        d.reset();  // destruction is not what is measured
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddAndFindLayers)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_ProgressiveNames(benchmark::State& state)
{
    // Asking for the next free name and taking it, N times: linear overall.
    initCore();
    for (auto _ : state) {
        auto d = fnd::RefPtr<CData>::Adopt(CDataFactory().CreateData("bench"));
        CLtype* cont = GetLtypeContinuous(d.get());
        CLayerTable* t = GetMainLayerTable(d.get());
        for (std::int64_t i = 0; i < state.range(0); ++i)
            AddNewLayer(d.get(), t->GetProgName("L"), cont, 1, 0, 0);
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ProgressiveNames)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
BENCHMARK_MAIN();
