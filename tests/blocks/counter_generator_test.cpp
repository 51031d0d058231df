#include "block_test_support.h"
#include "counter.h"
#include "fault.h"
#include "generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace vexa {
namespace {

PinValue& PinOf(TCustomDiagramBlock& block, int index) {
    return block.Pins()[static_cast<std::size_t>(index)].AnchorValue;
}

struct CounterInputs {
    bool up = false;
    bool down = false;
    bool set = false;
    int preset = 0;
    bool reset = false;
};

struct CounterStep {
    const char* what;
    CounterInputs in;
    int count;
};

void RunCounter(TpCOUNT& counter, const std::vector<CounterStep>& steps) {
    for (const CounterStep& step : steps) {
        SCOPED_TRACE(step.what);
        PinOf(counter, TpCOUNT::kUp) = PinValue::Boolean(step.in.up);
        PinOf(counter, TpCOUNT::kDown) = PinValue::Boolean(step.in.down);
        PinOf(counter, TpCOUNT::kSet) = PinValue::Boolean(step.in.set);
        PinOf(counter, TpCOUNT::kPreset) = PinValue::Integer(step.in.preset);
        PinOf(counter, TpCOUNT::kReset) = PinValue::Boolean(step.in.reset);
        counter.Execute();
        EXPECT_EQ(PinOf(counter, TpCOUNT::kCount).ToInt32(), step.count);
        EXPECT_EQ(PinOf(counter, TpCOUNT::kQ), PinValue::Boolean(step.count > 0));
    }
}

TEST(Counter, EdgesLimitsAndConflicts) {
    test::BlockBench bench;
    TpCOUNT counter(bench.environment);
    const CounterInputs none;
    const CounterInputs up{.up = true};
    const CounterInputs down{.down = true};
    RunCounter(counter, {
                            {"first up edge", up, 1},
                            {"up held counts once", up, 1},
                            {"", none, 1},
                            {"second up edge", up, 2},
                            {"", none, 2},
                            {"third up edge", up, 3},
                            {"", none, 3},
                            {"down edge", down, 2},
                            {"", none, 2},
                            {"both edges cancel", {.up = true, .down = true}, 2},
                            {"", none, 2},
                            {"set beats an up edge", {.up = true, .set = true, .preset = 100}, 100},
                            {"reset beats set", {.set = true, .preset = 100, .reset = true}, 0},
                            {"no count below 0", down, 0},
                            {"", none, 0},
                            {"preset at the limit", {.set = true, .preset = 32767}, 32767},
                            {"no count above the limit", up, 32767},
                            {"", none, 32767},
                            {"preset beyond the limit", {.set = true, .preset = 40000}, 40000},
                            {"still no up count", up, 40000},
                            {"down counts from there", down, 39999},
                            {"negative preset", {.set = true, .preset = -5}, -5},
                            {"no down count at or below 0", down, -5},
                            {"", none, -5},
                            {"up counts from a negative value", up, -4},
                            {"", none, -4},
                            {"and again", up, -3},
                        });
}

TEST(Counter, DisabledHoldsAndFollowsTheInputs) {
    test::BlockBench bench;
    TpCOUNT counter(bench.environment);
    counter.SetEN(true);
    const int enPin = 7;
    const int enoPin = 8;
    struct Step {
        bool enabled;
        bool up;
        int count;
    };
    const Step steps[] = {
        {true, true, 1},   {true, false, 1}, {false, true, 1}, // an edge while disabled...
        {true, true, 1},                                       // ...is gone once enabled again
        {false, false, 1}, {false, true, 1}, {false, false, 1},
        {true, false, 1}, // a whole pulse while disabled is lost
        {true, true, 2},
    };
    for (const Step& step : steps) {
        PinOf(counter, enPin) = PinValue::Boolean(step.enabled);
        PinOf(counter, TpCOUNT::kUp) = PinValue::Boolean(step.up);
        counter.Execute();
        EXPECT_EQ(PinOf(counter, enoPin), PinValue::Boolean(step.enabled));
        EXPECT_EQ(PinOf(counter, TpCOUNT::kCount).ToInt32(), step.count);
        EXPECT_TRUE(PinOf(counter, TpCOUNT::kQ).IsTrue());
    }
}

TEST(Counter, ResetKeepsTheEdgeMemory) {
    test::BlockBench bench;
    TpCOUNT counter(bench.environment);
    RunCounter(counter, {{"up edge", {.up = true}, 1}});
    counter.Reset();
    RunCounter(counter, {{"up still held after the reset", {.up = true}, 0}});
}

// A generator block driven through its pins.
struct GeneratorRig {
    test::BlockBench bench;
    TpGEN gen{bench.environment};

    GeneratorRig(int wave, int steps) { Set(wave, steps); }

    void Set(int wave, int steps) {
        PinOf(gen, TpGEN::kWave) = PinValue::Integer(wave);
        PinOf(gen, TpGEN::kSteps) = PinValue::Integer(steps);
    }

    std::vector<PinValue> Run(int executions) {
        std::vector<PinValue> outputs;
        for (int i = 0; i < executions; ++i) {
            gen.Execute();
            outputs.push_back(PinOf(gen, TpGEN::kOut));
        }
        return outputs;
    }
};

std::vector<PinValue> Square(std::initializer_list<int> levels) {
    std::vector<PinValue> values;
    for (const int level : levels) {
        values.push_back(PinValue::Integer(level));
    }
    return values;
}

TEST(Generator, SquareWaveCycles) {
    struct Case {
        int steps;
        std::vector<PinValue> twoCycles;
    };
    const Case cases[] = {
        // Phases 0.25, 0.5, 0.75, 1, 0.
        {4, Square({0, 0, 1, 1, 0, 0, 0, 1, 1, 0})},
        // Ten additions of 0.1 stay below 1, so one more runs to 1.1 before the phase returns to 0.
        {10, Square({0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0})},
        {1, Square({1, 0, 1, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "N = " << c.steps);
        GeneratorRig rig(1, c.steps);
        EXPECT_EQ(rig.Run(static_cast<int>(c.twoCycles.size())), c.twoCycles);
    }
}

TEST(Generator, SineUsesTheFactor628) {
    GeneratorRig rig(0, 4);
    const double expected[] = {0.9999997, 0.0015927, -0.9999971, -0.0031853, 0.0};
    const std::vector<PinValue> outputs = rig.Run(5);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        ASSERT_TRUE(outputs[i].IsReal());
        EXPECT_NEAR(outputs[i].RealValue(), expected[i], 1e-7) << "execution " << i;
    }
}

TEST(Generator, OtherWaveformKeepsTheOutputWhileThePhaseAdvances) {
    GeneratorRig rig(2, 4);
    PinOf(rig.gen, TpGEN::kOut) = PinValue::Real(7.5);
    EXPECT_EQ(rig.Run(2), std::vector<PinValue>(2, PinValue::Real(7.5)));
    rig.Set(1, 4);
    EXPECT_EQ(rig.Run(1), Square({1})); // phase 0.75
}

TEST(Generator, BelowOneStepOrDisabledChangesNothing) {
    for (const int steps : {0, -3}) {
        SCOPED_TRACE(testing::Message() << "N = " << steps);
        GeneratorRig rig(0, 4);
        rig.gen.SetEN(true);
        const int enPin = 3;
        const int enoPin = 4;
        PinOf(rig.gen, enPin) = PinValue::Boolean(true);
        rig.Set(0, steps);
        EXPECT_EQ(rig.Run(3), std::vector<PinValue>(3, PinValue::ResetZero()));
        EXPECT_TRUE(PinOf(rig.gen, enoPin).IsEmpty());

        PinOf(rig.gen, enPin) = PinValue::Boolean(false);
        rig.Set(0, 4);
        EXPECT_EQ(rig.Run(2), std::vector<PinValue>(2, PinValue::ResetZero()));
        EXPECT_EQ(PinOf(rig.gen, enoPin), PinValue::Boolean(false));

        PinOf(rig.gen, enPin) = PinValue::Boolean(true);
        const std::vector<PinValue> first = rig.Run(1); // the phase never moved
        EXPECT_NEAR(first[0].RealValue(), std::sin(1.57), 1e-12);
    }
}

TEST(Generator, WaveformOutsideInt32IsAFault) {
    GeneratorRig rig(0, 4);
    PinOf(rig.gen, TpGEN::kWave) = PinValue::Real(1e10);
    EXPECT_THROW(rig.gen.Execute(), Fault);
}

} // namespace
} // namespace vexa
