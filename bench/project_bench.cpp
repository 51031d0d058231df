#include "arithmetic_blocks.h"
#include "block_test_support.h"
#include "diagram_builder.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "project.h"
#include "scripted_prompts.h"
#include "temp_folder.h"
#include "timer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vexa;

// A project of ten functions, each of 500 blocks in chains of five with four links per chain.
struct BigProject {
    test::BlockBench bench;
    TextGrid hardware = MakeHardwareTable();
    PanelModel panel;
    test::ScriptedPrompts prompts;
    Project project{bench.environment, bench.symbols, hardware, panel, prompts, VEXA_CATALOG_DIR};
    test::TempFolder folder;

    BigProject() {
        for (int f = 0; f < 10; ++f) {
            auto page = std::make_unique<TatDiagram>();
            page->SetFCName("FC" + std::to_string(f));
            TatDiagram& added = project.AddPage(std::move(page));
            test::DiagramBuilder builder(added, bench.environment);
            for (int chain = 0; chain < 100; ++chain) {
                const double top = chain * 70.0;
                auto& in = builder.Io<TiIN>("MW" + std::to_string(chain % 40), 0, top);
                auto& add = builder.Add<TiADD>(60, top);
                auto& timer = builder.Add<TpTimer>(180, top);
                auto& gate = builder.Add<TbAND>(300, top);
                auto& out = builder.Io<TbOUT>("Q0." + std::to_string(chain % 8), 400, top);
                builder.Link(in, 0, add, 0);
                builder.Link(add, 2, timer, 1);
                builder.Link(timer, 2, gate, 1);
                builder.Link(gate, 0, out, 0);
            }
        }
    }
};

void BM_ProjectSave10x500(benchmark::State& state) {
    BigProject big;
    for (auto _ : state) {
        big.project.SaveProjectTo(big.folder / "big.prg");
    }
}
BENCHMARK(BM_ProjectSave10x500)->Unit(benchmark::kMillisecond);

void BM_ProjectLoad10x500(benchmark::State& state) {
    BigProject big;
    big.project.SaveProjectTo(big.folder / "big.prg");
    BigProject reader;
    for (auto _ : state) {
        if (!reader.project.OpenProjectFile(big.folder / "big.prg") ||
            reader.project.PageCount() != 10) {
            state.SkipWithError("the project did not load");
        }
    }
}
BENCHMARK(BM_ProjectLoad10x500)->Unit(benchmark::kMillisecond);

} // namespace
