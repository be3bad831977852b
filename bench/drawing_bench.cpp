// Building a drawing of one million entities spread over a few hundred blocks (lines and
// points, each block inserted in model space and by the next block) and destroying it.
// Both must stay linear: blocks are indexed in the graph and leave the table in one pass.
#include "lum/core/Block.h"
#include "lum/core/BlockTable.h"
#include "lum/core/Data.h"
#include "lum/core/DataFactory.h"
#include "lum/core/EntCurves.h"
#include "lum/core/EntInsert.h"
#include "lum/core/Functions.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace lum::core;
using fnd::RefPtr;

namespace {

constexpr int kBlocks = 300;

// Fills a drawing with `total` entities in kBlocks blocks; block i also inserts block i - 1.
void Build(CData* d, std::int64_t total)
{
    CLtype* cont = GetLtypeContinuous(d);
    CLayer* layer = AddNewLayer(d, "Bench", cont, 1, 0, 0);
    CBlockTable* blocks = GetMainBlockTable(d);
    const std::int64_t perBlock = total / kBlocks;
    CBlock* prev = nullptr;
    for (int b = 0; b < kBlocks; ++b) {
        auto blk = RefPtr<CBlock>::Adopt(CBlock::Create("B" + std::to_string(b), {}, 0, 0));
        for (std::int64_t i = 0; i < perBlock; ++i) {
            const double x = static_cast<double>(i);
            if (i % 2 == 0) {
                blk->Add(RefPtr<CEntLine>::Adopt(CEntLine::Create(layer, cont, 256, {{x, 0, 0}, {x, 1, 0}}, 0)).get());
            } else {
                blk->Add(RefPtr<CEntPnt>::Adopt(CEntPnt::Create(layer, cont, 256, {x, 2, 0}, 0)).get());
            }
        }
        if (prev)
            blk->Add(RefPtr<CEntInsert>::Adopt(CEntInsert::Create(layer, cont, 256, prev, {}, 1, 1, 1, 0, 1, 1, 0, 0, 0)).get());
        blocks->Add(blk.get());
        AddEnt(d, RefPtr<CEntInsert>::Adopt(CEntInsert::Create(layer, cont, 256, blk.get(), {double(b), 0, 0},
                                                               1, 1, 1, 0, 1, 1, 0, 0, 0)).get());
        prev = blk.get();
    }
}

void BM_BuildAndDestroyDrawing(benchmark::State& state)
{
    initCore();
    for (auto _ : state) {
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("bench"));
        Build(d.get(), state.range(0));
        d.reset();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildAndDestroyDrawing)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DestroyDrawing(benchmark::State& state)
{
    initCore();
    for (auto _ : state) {
        state.PauseTiming();
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("bench"));
        Build(d.get(), state.range(0));
        state.ResumeTiming();
        d.reset();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DestroyDrawing)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
