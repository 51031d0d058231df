// Example projects that a PLC programmer would recognise, run in virtual time; each must leave
// what it is built to give in memory and on the panel.
#include "arithmetic_blocks.h"
#include "bit_functions.h"
#include "counter.h"
#include "display_blocks.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "oscilloscope_buffers.h"
#include "panel_model.h"
#include "pid.h"
#include "test_project.h"
#include "timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vexa {
namespace {

using test::DiagramBuilder;
using test::TestProject;

struct Example {
    TestProject project;
    PanelModel panel;
    OscilloscopeBuffers oscilloscope;

    Example() {
        project.bench.environment.display = &panel;
        project.engine.SetOscilloscope(&oscilloscope);
    }
};

// A traffic light on one on-delay timer that restarts itself through M0.0: red while more than
// 50 units remain, yellow for the last 10, green in between.
void TrafficLight(Example& example) {
    DiagramBuilder page = example.project.AddPage("MAIN", FreeCycle);
    auto& enable = page.Io<TbIN>("I0.0", 0, 0);
    auto& memo = page.Io<TbIN>("M0.0", 0, 60);
    auto& restart = page.Add<TbNOT>(40, 60);
    auto& run = page.Add<TbAND>(100, 0);
    auto& period = page.Io<TiIN>("100", 150, 100);
    auto& timer = page.Add<TpTimer>(200, 0);
    timer.Mode = TpTimer::SD;
    auto& memoOut = page.Io<TbOUT>("M0.0", 300, 0);
    auto& redLimit = page.Io<TiIN>("50", 350, 100);
    auto& yellowLimit = page.Io<TiIN>("11", 350, 160);
    auto& isRed = page.Add<TiGT>(400, 0);
    auto& isYellow = page.Add<TiLS>(400, 100);
    auto& red = page.Io<TbOUT>("Q0.0", 500, 0);
    auto& yellow = page.Io<TbOUT>("Q0.2", 500, 100);
    auto& either = page.Add<TbOR>(600, 0);
    auto& notEither = page.Add<TbNOT>(700, 0);
    auto& green = page.Io<TbOUT>("Q0.1", 800, 0);

    page.Link(enable, 0, run, 1);
    page.Link(memo, 0, restart, 0);
    page.Link(restart, 1, run, 2);
    page.Link(run, 0, timer, 0);
    page.Link(period, 0, timer, 1);
    page.Link(timer, 2, memoOut, 0);
    page.Link(timer, 3, isRed, 0);
    page.Link(redLimit, 0, isRed, 1);
    page.Link(timer, 3, isYellow, 0);
    page.Link(yellowLimit, 0, isYellow, 1);
    page.Link(isRed, 2, red, 0);
    page.Link(isYellow, 2, yellow, 0);
    page.Link(isRed, 2, either, 1);
    page.Link(isYellow, 2, either, 2);
    page.Link(either, 0, notEither, 0);
    page.Link(notEither, 1, green, 0);
}

// A tank: the pump starts when the level falls below the low switch and stops at the high
// switch; a counter counts the starts and the panel shows them.
void TankWithPump(Example& example) {
    example.panel.SetDisplayStrings({"Pump starts:"});
    DiagramBuilder page = example.project.AddPage("TANK", FreeCycle);
    auto& low = page.Io<TbIN>("I0.0", 0, 0);
    auto& high = page.Io<TbIN>("I0.1", 0, 60);
    auto& belowLow = page.Add<TbNOT>(50, 0);
    auto& latch = page.Add<TbRS>(100, 0);
    auto& pump = page.Io<TbOUT>("Q0.0", 200, 0);
    auto& start = page.Add<TbFP>(200, 100);
    auto& starts = page.Add<TpCOUNT>(300, 0);
    auto& startsOut = page.Io<TiOUT>("MW10", 400, 0);
    auto& column = page.Io<TiIN>("13", 450, 100);
    page.Add<TpDPL_STR>(500, 0); // string 0 at column 0 of line 0: its inputs stay unlinked
    auto& number = page.Add<TpDPL_INT>(550, 0);
    page.Add<TpDPL_WBUF>(600, 0);

    page.Link(low, 0, belowLow, 0);
    page.Link(high, 0, latch, 0);
    page.Link(belowLow, 1, latch, 1);
    page.Link(latch, 2, pump, 0);
    page.Link(latch, 2, start, 0);
    page.Link(start, 1, starts, 0);
    page.Link(starts, 6, startsOut, 0);
    page.Link(column, 0, number, 0);
    page.Link(starts, 6, number, 2);
}

// A PI loop on the 100 ms event around a first-order plant (time constant 1 s), with an
// oscilloscope pen on the controller output.
void PidLoop(Example& example) {
    DiagramBuilder controller = example.project.AddPage("PID", Every100ms);
    auto& setpoint = controller.Io<TrIN>("50", 0, 0);
    auto& measured = controller.Io<TrIN>("MD4", 0, 40);
    auto& gain = controller.Io<TrIN>("0.5", 0, 80);
    auto& integral = controller.Io<TrIN>("2", 0, 120);
    auto& sample = controller.Io<TrIN>("0.1", 0, 160);
    auto& limit = controller.Io<TrIN>("100", 0, 200);
    auto& pid = controller.Add<TpPID>(100, 0);
    auto& output = controller.Io<TrOUT>("MD0", 200, 0);
    auto& pen = controller.Add<TOscPen>(200, 60);
    controller.Link(setpoint, 0, pid, TpPID::kSetpoint);
    controller.Link(measured, 0, pid, TpPID::kProcessValue);
    controller.Link(gain, 0, pid, TpPID::kGain);
    controller.Link(integral, 0, pid, TpPID::kIntegralTime);
    controller.Link(sample, 0, pid, TpPID::kSampleTime);
    controller.Link(limit, 0, pid, TpPID::kHighLimit);
    controller.Link(pid, TpPID::kOut, output, 0);
    controller.Link(pid, TpPID::kOut, pen, 0);

    DiagramBuilder plant = example.project.AddPage("PLANT", Every100ms);
    auto& drive = plant.Io<TrIN>("MD0", 0, 0);
    auto& level = plant.Io<TrIN>("MD4", 0, 60);
    auto& difference = plant.Add<TrSUBB>(100, 0);
    auto& rate = plant.Io<TrIN>("0.1", 100, 100);
    auto& step = plant.Add<TrMULL>(200, 0);
    auto& next = plant.Add<TrADD>(300, 0);
    auto& store = plant.Io<TrOUT>("MD4", 400, 0);
    plant.Link(drive, 0, difference, 0);
    plant.Link(level, 0, difference, 1);
    plant.Link(difference, 2, step, 0);
    plant.Link(rate, 0, step, 1);
    plant.Link(level, 0, next, 0);
    plant.Link(step, 2, next, 1);
    plant.Link(next, 2, store, 0);
}

enum class Kind { Bit, Byte, Word, Real, Panel0, Pen1 };

struct Stimulus {
    double atMs;
    const char* address;
    bool value;
};

struct Check {
    double atMs;
    Kind kind;
    const char* address;
    double low;
    double high; // the value must lie in [low, high]; equal for exact results
    const char* text = "";
};

struct GoldenCase {
    const char* name;
    std::function<void(Example&)> build;
    std::vector<Stimulus> stimuli;
    std::vector<Check> checks;
};

double Observe(Example& example, const Check& check) {
    ProcessImage& memory = example.project.bench.memory;
    switch (check.kind) {
    case Kind::Bit:
        return memory.ReadBit(check.address).value ? 1 : 0;
    case Kind::Byte:
    case Kind::Word:
        return static_cast<double>(memory.ReadUnsigned(check.address).value);
    case Kind::Real:
        return memory.ReadReal(check.address).value;
    case Kind::Pen1:
        return example.oscilloscope.Samples(1).back();
    case Kind::Panel0:
        break;
    }
    return 0;
}

const std::vector<GoldenCase> kExamples = {
    {"TrafficLight",
     TrafficLight,
     {{0, "I0.0", true}},
     {{2000, Kind::Byte, "QB0", 1, 1},
      {7000, Kind::Byte, "QB0", 2, 2},
      {9500, Kind::Byte, "QB0", 4, 4},
      {12000, Kind::Byte, "QB0", 1, 1},
      {17500, Kind::Byte, "QB0", 2, 2}}},
    {"TankWithPump",
     TankWithPump,
     {{500, "I0.0", true}, {1000, "I0.1", true}, {1500, "I0.1", false}, {2000, "I0.0", false}},
     {{800, Kind::Bit, "Q0.0", 1, 1},
      {800, Kind::Word, "MW10", 1, 1},
      {1200, Kind::Bit, "Q0.0", 0, 0},
      {1800, Kind::Word, "MW10", 1, 1},
      {2500, Kind::Bit, "Q0.0", 1, 1},
      {2500, Kind::Word, "MW10", 2, 2},
      {2500, Kind::Panel0, "", 0, 0, "Pump starts: 2  "}}},
    {"PidLoop",
     PidLoop,
     {},
     {{1000, Kind::Real, "MD4", 5, 45},
      {30000, Kind::Real, "MD4", 49.5, 50.5},
      {30000, Kind::Real, "MD0", 45, 55},
      {30000, Kind::Pen1, "", 45, 55}}},
};

void PrintTo(const GoldenCase& golden, std::ostream* os) {
    *os << golden.name;
}

class GoldenExamples : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenExamples, GiveWhatTheyMust) {
    const GoldenCase& golden = GetParam();
    Example example;
    golden.build(example);
    TestProject& project = example.project;
    ASSERT_TRUE(project.driver.Start());

    // Every stimulus and check is an event on the virtual time line; the oscilloscope samples
    // every 25 ms as its window would.
    std::vector<double> instants;
    for (const Stimulus& stimulus : golden.stimuli) {
        instants.push_back(stimulus.atMs);
    }
    for (const Check& check : golden.checks) {
        instants.push_back(check.atMs);
    }
    const double end = *std::max_element(instants.begin(), instants.end());
    for (double t = 25; t <= end; t += 25) {
        instants.push_back(t);
    }
    std::sort(instants.begin(), instants.end());
    instants.erase(std::unique(instants.begin(), instants.end()), instants.end());

    for (double instant : instants) {
        project.driver.AdvanceBefore(instant);
        for (const Stimulus& stimulus : golden.stimuli) {
            if (stimulus.atMs == instant) {
                project.bench.memory.WriteBit(stimulus.address, stimulus.value);
            }
        }
        ASSERT_TRUE(project.driver.AdvanceTo(instant)) << project.errors.front().second;
        if (static_cast<long>(instant) % 25 == 0) {
            example.oscilloscope.Sample(project.PagePointers());
        }
        for (const Check& check : golden.checks) {
            if (check.atMs != instant) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << check.address << " at " << instant << " ms");
            if (check.kind == Kind::Panel0) {
                EXPECT_EQ(example.panel.ShownLine(0), check.text);
                continue;
            }
            const double value = Observe(example, check);
            EXPECT_GE(value, check.low);
            EXPECT_LE(value, check.high);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenExamples, testing::ValuesIn(kExamples),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
} // namespace vexa
