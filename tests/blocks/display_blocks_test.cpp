#include "display_blocks.h"

#include "block_test_support.h"
#include "fault.h"
#include "panel_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace vexa {
namespace {

using test::BlockBench;

void SetInputs(TFunction& block, const std::vector<PinValue>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        block.Pins()[i].AnchorValue = values[i];
    }
}

PinValue Int(std::int64_t value) {
    return PinValue::Integer(value);
}

TEST(DplBlocks, CallThePanelWithTheValuesRead) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<TFunction>(const BlockEnvironment&)> make;
        std::vector<PinValue> inputs;
        const char* call;
    };
    const Case cases[] = {
        {"string",
         [](auto& e) { return std::make_unique<TpDPL_STR>(e); },
         {Int(2), Int(1), Int(5)},
         "str 2 1 5"},
        {"unlinked integer",
         [](auto& e) { return std::make_unique<TpDPL_INT>(e); },
         {},
         "int 0 0 0"},
        {"integer from real and boolean inputs",
         [](auto& e) { return std::make_unique<TpDPL_INT>(e); },
         {PinValue::Real(2.5), PinValue::Real(3.5), PinValue::Boolean(true)},
         "int 2 4 -1"},
        {"real narrowed to single precision",
         [](auto& e) { return std::make_unique<TpDPL_REAL>(e); },
         {Int(1), Int(3), Int(2), PinValue::Real(3.14159)},
         "real 1 3 3.14159012 2"},
        {"decimals keep their low byte, signed",
         [](auto& e) { return std::make_unique<TpDPL_REAL>(e); },
         {Int(0), Int(0), Int(255), Int(127)},
         "real 0 0 127 -1"},
        {"decimals 257 is 1",
         [](auto& e) { return std::make_unique<TpDPL_REAL>(e); },
         {Int(0), Int(0), Int(257), PinValue::Boolean(true)},
         "real 0 0 -1 1"},
        {"flush", [](auto& e) { return std::make_unique<TpDPL_WBUF>(e); }, {}, "flush"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlockBench bench;
        auto block = c.make(bench.environment);
        SetInputs(*block, c.inputs);
        block->Execute();
        EXPECT_EQ(bench.display.calls, std::vector<std::string>{c.call});
    }
}

TEST(DplBlocks, DisabledBlocksCallNothingAndPassTheEnablePin) {
    BlockBench bench;
    std::vector<std::unique_ptr<TFunction>> blocks;
    blocks.push_back(std::make_unique<TpDPL_STR>(bench.environment));
    blocks.push_back(std::make_unique<TpDPL_INT>(bench.environment));
    blocks.push_back(std::make_unique<TpDPL_REAL>(bench.environment));
    blocks.push_back(std::make_unique<TpDPL_WBUF>(bench.environment));
    for (auto& block : blocks) {
        SCOPED_TRACE(block->ClassName());
        block->SetEN(true);
        auto& pins = block->Pins();
        pins[pins.size() - 2].AnchorValue = PinValue::Boolean(false);
        block->Execute();
        EXPECT_EQ(pins.back().AnchorValue, PinValue::Boolean(false));
        pins[pins.size() - 2].AnchorValue = Int(1);
        block->Execute();
        EXPECT_EQ(pins.back().AnchorValue, Int(1));
    }
    EXPECT_EQ(bench.display.calls,
              (std::vector<std::string>{"str 0 0 0", "int 0 0 0", "real 0 0 0 0", "flush"}));
}

TEST(DplBlocks, InputsThatDoNotFitFaultEvenWhileDisabled) {
    BlockBench bench;
    TpDPL_INT integer(bench.environment);
    integer.SetEN(true);
    SetInputs(integer, {Int(0), Int(0), PinValue::Real(3e9)});
    EXPECT_THROW(integer.Execute(), Fault);

    TpDPL_STR string(bench.environment);
    SetInputs(string, {PinValue::Integer(1LL << 40, IntWidth::S64)});
    EXPECT_THROW(string.Execute(), Fault);

    TpDPL_REAL real(bench.environment);
    real.SetEN(true);
    SetInputs(real, {Int(0), Int(0), Int(0), PinValue::Real(1e39)});
    EXPECT_THROW(real.Execute(), Fault);

    EXPECT_TRUE(bench.display.calls.empty());
}

// Blocks of any function share the panel's buffers; nothing shows until a flush block runs.
TEST(DplBlocks, TwoStringsOnOneLineShowAfterTheFlushBlock) {
    BlockBench bench;
    PanelModel panel;
    panel.SetDisplayStrings({"ONE", "TWO"});
    bench.environment.display = &panel;
    TpDPL_STR first(bench.environment);
    TpDPL_STR second(bench.environment);
    TpDPL_WBUF flush(bench.environment);
    SetInputs(second, {Int(0), Int(0), Int(1)});

    first.Execute();
    second.Execute();
    EXPECT_EQ(panel.ShownLine(0), "");
    flush.Execute();
    EXPECT_EQ(panel.ShownLine(0), "TWOONE          ");
}

} // namespace
} // namespace vexa

namespace vexa {
namespace {

TEST(DisplayBlocks, WithoutAPanelTheyStillPassENOn) {
    test::BlockBench bench;
    bench.environment.display = nullptr;
    TpDPL_WBUF flush(bench.environment);
    flush.SetEN(true);
    flush.Pins()[0].AnchorValue = PinValue::Boolean(true);
    flush.Execute();
    EXPECT_EQ(flush.Pins()[1].AnchorValue, PinValue::Boolean(true));
}

} // namespace
} // namespace vexa
