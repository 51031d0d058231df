#include "arithmetic_blocks.h"
#include "bit_functions.h"
#include "block_test_support.h"
#include "fault.h"

#include <gtest/gtest.h>

#include <map>

namespace vexa {
namespace {

using test::BlockBench;

// Runs a block over a series of input values on pin 0 and collects pin `output`.
std::vector<PinValue> Series(TFunction& block, const std::vector<PinValue>& inputs, int output) {
    std::vector<PinValue> outputs;
    for (const PinValue& in : inputs) {
        block.Pins()[0].AnchorValue = in;
        block.Execute();
        outputs.push_back(block.Pins()[static_cast<std::size_t>(output)].AnchorValue);
    }
    return outputs;
}

const PinValue T = PinValue::Boolean(true);
const PinValue F = PinValue::Boolean(false);

TEST(BitFunctions, EdgesOverFourScans) {
    BlockBench bench;
    TbFP rising(bench.environment);
    TbFN falling(bench.environment);
    EXPECT_EQ(Series(rising, {F, T, T, F}, 1), (std::vector<PinValue>{F, T, F, F}));
    EXPECT_EQ(Series(falling, {F, T, T, F}, 1), (std::vector<PinValue>{F, F, F, T}));

    // An unlinked input gives the integer 0.
    TbFP fresh(bench.environment);
    fresh.Execute();
    EXPECT_EQ(fresh.Pins()[1].AnchorValue, PinValue::Integer(0));
}

TEST(BitFunctions, EdgeWhileDisabledIsNotReportedLater) {
    BlockBench bench;
    TbFP rising(bench.environment);
    rising.SetEN(true);
    rising.Pins()[2].AnchorValue = F; // EN pin
    rising.Pins()[0].AnchorValue = T;
    rising.Execute();
    EXPECT_EQ(rising.Pins()[1].AnchorValue, F);
    rising.Pins()[2].AnchorValue = T;
    rising.Execute();
    EXPECT_EQ(rising.Pins()[1].AnchorValue, F);
    EXPECT_EQ(rising.Pins()[3].AnchorValue, T); // ENO
}

TEST(BitFunctions, NotAndRS) {
    BlockBench bench;
    TbNOT inverter(bench.environment);
    inverter.Execute();
    EXPECT_EQ(inverter.Pins()[1].AnchorValue, PinValue::Integer(255, IntWidth::U8));
    inverter.Pins()[0].AnchorValue = T;
    inverter.Execute();
    EXPECT_EQ(inverter.Pins()[1].AnchorValue, F);

    TbRS flipFlop(bench.environment);
    auto step = [&](const PinValue& reset, const PinValue& set) {
        flipFlop.Pins()[0].AnchorValue = reset;
        flipFlop.Pins()[1].AnchorValue = set;
        flipFlop.Execute();
        return flipFlop.Pins()[2].AnchorValue;
    };
    EXPECT_EQ(step(T, T), T); // set dominates
    EXPECT_EQ(step(F, F), T); // keeps
    EXPECT_EQ(step(T, F), F);
    EXPECT_FALSE(step(PinValue::ResetZero(), PinValue::ResetZero()).IsTrue());

    flipFlop.SetEN(true);
    step(F, T);
    flipFlop.Pins()[3].AnchorValue = T;
    EXPECT_EQ(step(F, T), T);
    flipFlop.Pins()[3].AnchorValue = F;
    EXPECT_EQ(step(F, T), F); // disabled forgets the state
    flipFlop.Pins()[3].AnchorValue = T;
    EXPECT_EQ(step(F, F), F);
}

struct BinaryCase {
    const char* className;
    PinValue a;
    PinValue b;
    PinValue expected;
};

template <class Block> std::unique_ptr<TFunction> Make(const BlockEnvironment& environment) {
    return std::make_unique<Block>(environment);
}

TEST(ArithmeticBlocks, ComputeSteps) {
    BlockBench bench;
    const std::map<std::string, std::unique_ptr<TFunction> (*)(const BlockEnvironment&)> make = {
        {"TiADD", Make<TiADD>}, {"TiSUBB", Make<TiSUBB>}, {"TiMULL", Make<TiMULL>},
        {"TiDIV", Make<TiDIV>}, {"TiSHR", Make<TiSHR>},   {"TiSHL", Make<TiSHL>},
        {"TiEQ", Make<TiEQ>},   {"TiGT", Make<TiGT>},     {"TiLS", Make<TiLS>},
        {"TrADD", Make<TrADD>}, {"TrSUBB", Make<TrSUBB>}, {"TrMULL", Make<TrMULL>},
        {"TrDIV", Make<TrDIV>}, {"TrEQ", Make<TrEQ>},     {"TrGT", Make<TrGT>},
        {"TrLS", Make<TrLS>},
    };
    const PinValue zero = PinValue::ResetZero();
    auto S32 = [](std::int64_t v) { return PinValue::Integer(v, IntWidth::S32); };
    auto S64 = [](std::int64_t v) { return PinValue::Integer(v, IntWidth::S64); };
    auto R = [](double v) { return PinValue::Real(v); };
    const BinaryCase cases[] = {
        {"TiADD", S32(2147483647), S32(1), R(2147483648.0)},
        {"TiSUBB", S32(-2147483648), S32(1), R(-2147483649.0)},
        {"TiMULL", S32(65536), S32(65536), S64(4294967296)},
        {"TiMULL", S32(3), S32(4), S64(12)},
        {"TiDIV", S32(1), S32(3), S64(0)},
        {"TiDIV", S32(3), S32(2), S64(2)},
        {"TiDIV", S32(-3), S32(2), S64(-2)},
        {"TiDIV", S32(7), S32(2), S64(4)},
        {"TiSHL", S32(1), S32(31), S32(-2147483648)},
        {"TiSHR", S32(-1), S32(28), S32(15)},
        {"TiSHR", S32(8), S32(33), S32(4)},
        {"TiADD", zero, zero, S32(0)},
        {"TiEQ", zero, zero, T},
        {"TiGT", zero, zero, F},
        {"TiLS", zero, zero, F},
        {"TrADD", zero, zero, S32(0)},
        {"TrADD", zero, R(2.5), R(2.5)},
        {"TrDIV", S32(1), R(3.0), R(1.0 / 3.0)},
        {"TrDIV", zero, R(4.0), R(0.0)},
        {"TrGT", R(0.5), R(0.25), T},
        {"TrLS", R(0.5), R(0.25), F},
    };
    for (const BinaryCase& c : cases) {
        SCOPED_TRACE(c.className);
        auto block = make.at(c.className)(bench.environment);
        block->Pins()[0].AnchorValue = c.a;
        block->Pins()[1].AnchorValue = c.b;
        block->Execute();
        EXPECT_EQ(block->Pins()[2].AnchorValue, c.expected);
    }
}

TEST(ArithmeticBlocks, DivisionByZeroKeepsTheOutput) {
    BlockBench bench;
    for (auto make : {Make<TiDIV>, Make<TrDIV>}) {
        auto block = make(bench.environment);
        block->Pins()[2].AnchorValue = PinValue::Integer(42);
        block->Pins()[0].AnchorValue = PinValue::Integer(5);
        block->Pins()[1].AnchorValue = PinValue::Real(0.0);
        block->Execute();
        EXPECT_EQ(block->Pins()[2].AnchorValue, PinValue::Integer(42));
    }
}

TEST(ArithmeticBlocks, RealSumComparesUnequalToItsDecimal) {
    BlockBench bench;
    TrADD sum(bench.environment);
    sum.Pins()[0].AnchorValue = PinValue::Real(0.1);
    sum.Pins()[1].AnchorValue = PinValue::Real(0.2);
    sum.Execute();
    TrEQ equal(bench.environment);
    equal.Pins()[0].AnchorValue = sum.Pins()[2].AnchorValue;
    equal.Pins()[1].AnchorValue = PinValue::Real(0.3);
    equal.Execute();
    EXPECT_EQ(equal.Pins()[2].AnchorValue, F);
}

TEST(ArithmeticBlocks, Conversions) {
    BlockBench bench;
    TFLT_TO_INT toInt(bench.environment);
    EXPECT_EQ(Series(toInt,
                     {PinValue::Real(2.5), PinValue::Real(2.5000001), PinValue::Real(3.5),
                      PinValue::Real(-2.5)},
                     1),
              (std::vector<PinValue>{
                  PinValue::Integer(2, IntWidth::S64), PinValue::Integer(3, IntWidth::S64),
                  PinValue::Integer(4, IntWidth::S64), PinValue::Integer(-2, IntWidth::S64)}));
    toInt.Pins()[0].AnchorValue = PinValue::Real(1e19);
    EXPECT_THROW(toInt.Execute(), Fault);

    TINT_TO_FLT toReal(bench.environment);
    EXPECT_EQ(
        Series(toReal, {PinValue::Integer(16777217), PinValue::Integer(7), PinValue::Real(0.1)}, 1),
        (std::vector<PinValue>{PinValue::Real(16777216.0), PinValue::Real(7.0),
                               PinValue::Real(0.100000001490116119384765625)}));

    TiMOVE move(bench.environment);
    move.Pins()[0].AnchorValue = PinValue::Integer(9, IntWidth::U32);
    move.Execute();
    EXPECT_EQ(move.Pins()[1].AnchorValue, PinValue::Integer(9, IntWidth::U32));
}

TEST(ArithmeticBlocks, DisabledKeepsOutputsAndPassesEN) {
    BlockBench bench;
    TiADD add(bench.environment);
    add.SetEN(true);
    add.Pins()[0].AnchorValue = PinValue::Integer(1);
    add.Pins()[2].AnchorValue = PinValue::Integer(99);
    add.Pins()[3].AnchorValue = PinValue::ResetZero(); // an unlinked EN pin
    add.Execute();
    EXPECT_EQ(add.Pins()[2].AnchorValue, PinValue::Integer(99));
    EXPECT_EQ(add.Pins()[4].AnchorValue, PinValue::ResetZero());
}

} // namespace
} // namespace vexa
