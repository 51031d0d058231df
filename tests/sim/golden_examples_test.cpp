// Example projects that a PLC programmer would recognise, run in virtual time; each must leave
// what it is built to give in memory and on the panel.
#include "example_projects.h"
#include "oscilloscope_buffers.h"
#include "panel_model.h"
#include "test_project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vexa {
namespace {

using test::DiagramBuilder;
using test::TestProject;

struct Example : test::ExampleSink {
    TestProject project;
    PanelModel panel;
    OscilloscopeBuffers oscilloscope;

    Example() {
        project.bench.environment.display = &panel;
        project.engine.SetOscilloscope(&oscilloscope);
    }
    DiagramBuilder AddPage(const std::string& name, int event) override {
        return project.AddPage(name, event);
    }
    void SetDisplayStrings(std::vector<std::string> strings) override {
        panel.SetDisplayStrings(std::move(strings));
    }
    void AddSymbol(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
    void PlaceModule(int, const std::string&) override {}
};

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
    std::function<void(test::ExampleSink&)> build;
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
     test::TrafficLight,
     {{0, "I0.0", true}},
     {{2000, Kind::Byte, "QB0", 1, 1},
      {7000, Kind::Byte, "QB0", 2, 2},
      {9500, Kind::Byte, "QB0", 4, 4},
      {12000, Kind::Byte, "QB0", 1, 1},
      {17500, Kind::Byte, "QB0", 2, 2}}},
    {"TankWithPump",
     test::TankWithPump,
     {{500, "I0.0", true}, {1000, "I0.1", true}, {1500, "I0.1", false}, {2000, "I0.0", false}},
     {{800, Kind::Bit, "Q0.0", 1, 1},
      {800, Kind::Word, "MW10", 1, 1},
      {1200, Kind::Bit, "Q0.0", 0, 0},
      {1800, Kind::Word, "MW10", 1, 1},
      {2500, Kind::Bit, "Q0.0", 1, 1},
      {2500, Kind::Word, "MW10", 2, 2},
      {2500, Kind::Panel0, "", 0, 0, "Pump starts: 2  "}}},
    {"PidLoop",
     test::PidLoop,
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
