#include "execution_order.h"
#include "process_image.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

void BM_ReadBit(benchmark::State& state) {
    vexa::ProcessImage image;
    image.WriteBit("M20.7", true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.ReadBit("M20.7"));
    }
}
BENCHMARK(BM_ReadBit);

void BM_ReadSigned(benchmark::State& state) {
    vexa::ProcessImage image;
    image.WriteInteger("MD12", -5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.ReadSigned("MD12"));
    }
}
BENCHMARK(BM_ReadSigned);

// A page laid out as a user draws one: rows of blocks 90 wide and 60 high, a few rows per band,
// some blocks nudged so that keys collide.
void FillPage(vexa::TatDiagram& page, int blocks) {
    std::mt19937 random(7);
    for (int i = 0; i < blocks; ++i) {
        auto& block = page.AddBlock(std::make_unique<vexa::TCustomDiagramBlock>());
        block.Left = (i % 40) * 120 + static_cast<double>(random() % 8);
        block.Top = (i / 40) * 80 + static_cast<double>(random() % 8);
    }
}

void BM_AssignExecutionOrder2000(benchmark::State& state) {
    vexa::TatDiagram page;
    FillPage(page, 2000);
    for (auto _ : state) {
        vexa::AssignExecutionOrder(page);
        benchmark::DoNotOptimize(page.Block(0).OrderNumber);
    }
}
BENCHMARK(BM_AssignExecutionOrder2000)->Unit(benchmark::kMicrosecond);

} // namespace
