#include "block_test_support.h"
#include "diagram_builder.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "registry.h"
#include "scan_engine.h"
#include "virtual_time.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vexa;

TCustomDiagramBlock& Place(TatDiagram& page, const BlockEnvironment& environment,
                           std::string_view className, double left, double top) {
    auto& block = page.AddBlock(CreateBlock(className, environment));
    block.Left = left;
    block.Top = top;
    return block;
}

// One unit of ten blocks and ten links: bit logic driving a timer and a counter, integer
// arithmetic, a comparison.
void AddUnit(TatDiagram& page, const BlockEnvironment& environment, int unit) {
    const double top = (unit / 4) * 250.0 + (unit % 4) * 60.0;
    const int bit = unit % 8;
    auto place = [&](std::string_view className, int column) -> TCustomDiagramBlock& {
        return Place(page, environment, className, column * 60.0, top);
    };
    auto& in1 = dynamic_cast<TbIN&>(place("TbIN", 0));
    in1.StrAddress = "I0." + std::to_string(bit);
    auto& in2 = dynamic_cast<TbIN&>(place("TbIN", 1));
    in2.StrAddress = "M1." + std::to_string(bit);
    auto& gate = place("TbAND", 2);
    auto& out = dynamic_cast<TbOUT&>(place("TbOUT", 3));
    out.StrAddress = "Q0." + std::to_string(bit);
    auto& number = dynamic_cast<TiIN&>(place("TiIN", 4));
    number.StrAddress = "MW10";
    auto& add = place("TiADD", 5);
    auto& store = dynamic_cast<TiOUT&>(place("TiOUT", 6));
    store.StrAddress = "MW" + std::to_string(20 + 2 * (unit % 30));
    auto& timer = place("TpTimer", 7);
    auto& counter = place("TpCOUNT", 8);
    auto& compare = place("TiGT", 9);

    test::DiagramBuilder links(page, environment);
    links.Link(in1, 0, gate, 1);
    links.Link(in2, 0, gate, 2);
    links.Link(gate, 0, out, 0);
    links.Link(gate, 0, timer, 0);
    links.Link(number, 0, add, 0);
    links.Link(number, 0, add, 1);
    links.Link(add, 2, store, 0);
    links.Link(timer, 2, counter, 0);
    links.Link(counter, 6, compare, 0);
    links.Link(add, 2, compare, 1);
}

void BM_ScanPage2000(benchmark::State& state) {
    test::BlockBench bench;
    VirtualClock clock;
    bench.environment.clock = &clock;
    TatDiagram page;
    for (int unit = 0; unit < 200; ++unit) {
        AddUnit(page, bench.environment, unit);
    }
    ScanEngine engine(bench.memory);
    engine.SetPages({&page});
    if (!engine.StartSimulation()) {
        state.SkipWithError("the page did not start");
        return;
    }
    bench.memory.WriteInteger("MW10", 3);
    bench.memory.WriteInteger("IB0", 0x55);
    double ms = 0;
    for (auto _ : state) {
        ms += 10;
        clock.SetMs(ms);
        engine.RunEvent(FreeCycle);
    }
    if (!engine.SimulationRunning()) {
        state.SkipWithError("the simulation stopped");
    }
    state.counters["blocks"] = static_cast<double>(page.BlockCount());
    state.counters["links"] = static_cast<double>(page.LinkCount());
    state.counters["per_block"] = benchmark::Counter(static_cast<double>(page.BlockCount()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanPage2000)->Unit(benchmark::kMicrosecond);

} // namespace
