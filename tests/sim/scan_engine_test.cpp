#include "arithmetic_blocks.h"
#include "block_test_support.h"
#include "diagram_builder.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "scan_engine.h"
#include "test_project.h"
#include "tick_scheduler.h"
#include "virtual_time.h"

#include <gtest/gtest.h>

#include <map>

namespace vexa {
namespace {

using test::DiagramBuilder;

using Project = test::TestProject;

// Constant 7 through a move into MW0, placed forwards or backwards.
void BuildChain(Project& project, bool forwards) {
    DiagramBuilder page = project.AddPage("MAIN", FreeCycle);
    const double in = forwards ? 0 : 200;
    const double out = forwards ? 200 : 0;
    auto& source = page.Io<TiIN>("7", in, 0);
    auto& move = page.Add<TiMOVE>(100, 0);
    auto& sink = page.Io<TiOUT>("MW0", out, 0);
    page.Link(source, 0, move, 0);
    page.Link(move, 1, sink, 0);
}

TEST(ScanEngine, ValuesMoveRightAfterEachBlockAndFeedbackWaitsAScan) {
    for (bool forwards : {true, false}) {
        Project project;
        BuildChain(project, forwards);
        ASSERT_TRUE(project.driver.Start());
        std::vector<std::int64_t> seen;
        for (int scan = 1; scan <= 3; ++scan) {
            project.driver.AdvanceTo(scan * 10);
            seen.push_back(project.Word("MW0"));
        }
        EXPECT_EQ(seen, forwards ? std::vector<std::int64_t>({7, 7, 7})
                                 : std::vector<std::int64_t>({0, 0, 7}));
    }
}

TEST(ScanEngine, StartUpFunctionsRunOnceAfterMemoryIsCleared) {
    Project project;
    DiagramBuilder startup = project.AddPage("INIT", StartUp);
    auto& counter = startup.Io<TiIN>("MW2", 0, 0);
    auto& one = startup.Io<TiIN>("1", 0, 40);
    auto& add = startup.Add<TiADD>(100, 0);
    auto& store = startup.Io<TiOUT>("MW2", 200, 0);
    startup.Link(counter, 0, add, 0);
    startup.Link(one, 0, add, 1);
    startup.Link(add, 2, store, 0);

    for (int run = 0; run < 2; ++run) {
        project.bench.memory.WriteInteger("MW2", 40);
        ASSERT_TRUE(project.driver.Start());
        project.driver.AdvanceTo(project.clock.Ms() + 1000);
        EXPECT_EQ(project.Word("MW2"), 1);
        project.engine.StopSimulation();
    }
}

TEST(ScanEngine, RefusedStartNamesTheBlockKindAndPage) {
    Project project;
    project.AddPage("OK", FreeCycle).Io<TbIN>("I0.0", 0, 0);
    DiagramBuilder bad = project.AddPage("BAD", FreeCycle);
    auto& wrong = bad.Io<TiOUT>("QW48", 0, 0);
    bad.Io<TbOUT>("Q50.0", 0, 100);

    EXPECT_FALSE(project.driver.Start());
    ASSERT_EQ(project.refusals.size(), 1u);
    EXPECT_EQ(project.refusals[0].first, kIntegerCheckMessage);
    EXPECT_EQ(project.refusals[0].second, 1u);
    EXPECT_EQ(project.engine.ActivePage(), 1u);
    EXPECT_FALSE(project.engine.SimulationRunning());
    EXPECT_EQ(wrong.RunMode, 0);

    // The word blocks take no part in the check.
    wrong.StrAddress = "QW0";
    project.pages[1]->DeleteBlock(project.pages[1]->Block(1));
    bad.Io<TwOUT>("nonsense", 0, 100);
    EXPECT_TRUE(project.driver.Start());
    EXPECT_EQ(wrong.RunMode, 1);
}

TEST(ScanEngine, FaultStopsTheSimulationWithBothMessages) {
    Project project;
    DiagramBuilder page = project.AddPage("MAIN", FreeCycle);
    auto& big = page.Io<TrIN>("3e9", 0, 0);
    auto& convert = page.Add<TFLT_TO_INT>(100, 0);
    auto& sink = page.Io<TiOUT>("MD0", 200, 0);
    page.Link(big, 0, convert, 0);
    page.Link(convert, 1, sink, 0);

    ASSERT_TRUE(project.driver.Start());
    EXPECT_FALSE(project.driver.AdvanceTo(100));
    ASSERT_EQ(project.errors.size(), 1u);
    EXPECT_EQ(project.errors[0].first, "Simulation error and will be stop!");
    EXPECT_EQ(project.errors[0].second, "Integer overflow");
    EXPECT_FALSE(project.engine.SimulationRunning());
    EXPECT_EQ(sink.RunMode, 0);
}

TEST(ScanEngine, ErrorDuringTheCheckIsAnApplicationError) {
    Project project;
    project.AddPage("MAIN", FreeCycle).Io<TbIN>("I99999999999.0", 0, 0);
    EXPECT_FALSE(project.driver.Start());
    ASSERT_EQ(project.errors.size(), 1u);
    EXPECT_EQ(project.errors[0].first, "Application error!");
}

TEST(ScanEngine, ENOGatesTheNumericOutputs) {
    Project project;
    DiagramBuilder page = project.AddPage("MAIN", FreeCycle);
    auto& enable = page.Io<TbIN>("I0.0", 0, 0);
    auto& value = page.Io<TiIN>("5", 0, 40);
    auto& add = page.Add<TiADD>(100, 0);
    add.SetEN(true);
    auto& sink = page.Io<TiOUT>("MW4", 200, 0);
    page.Link(value, 0, add, 0);
    page.Link(value, 0, add, 1);
    page.Link(enable, 0, add, 3);
    page.Link(add, 2, sink, 0);

    ASSERT_TRUE(project.driver.Start());
    project.bench.memory.WriteInteger("MW4", 99);
    project.driver.AdvanceTo(50);
    EXPECT_EQ(project.Word("MW4"), 99); // disabled: memory kept
    EXPECT_FALSE(sink.InputEnabled);
    EXPECT_EQ(sink.Pins()[0].AnchorValue, PinValue::Integer(99, IntWidth::S32));

    project.bench.memory.WriteBit("I0.0", true);
    project.driver.AdvanceTo(60);
    EXPECT_EQ(project.Word("MW4"), 10);
}

TEST(ScanEngine, LinksShowBooleanStatesAndTurnBlackAtStop) {
    Project project;
    DiagramBuilder page = project.AddPage("MAIN", FreeCycle);
    auto& bit = page.Io<TbIN>("I0.0", 0, 0);
    auto& gate = page.Add<TbAND>(100, 0);
    auto& number = page.Io<TiIN>("3", 0, 100);
    auto& sink = page.Io<TiOUT>("MW0", 100, 100);
    page.Link(bit, 0, gate, 1);
    page.Link(number, 0, sink, 0);
    TDiagramSideLine& boolean = project.pages[0]->Link(0);
    TDiagramSideLine& integer = project.pages[0]->Link(1);

    ASSERT_TRUE(project.driver.Start());
    project.driver.AdvanceTo(10);
    EXPECT_EQ(boolean.PenColor, kLinkBlack);
    EXPECT_EQ(boolean.PenWidth, 2);
    EXPECT_EQ(integer.PenWidth, 1);
    EXPECT_EQ(boolean.Restrictions, crNoResize | crNoRotation | crNoSelect);
    project.bench.memory.WriteBit("I0.0", true);
    project.driver.AdvanceTo(20);
    EXPECT_EQ(boolean.PenColor, kLinkGreen);
    EXPECT_EQ(boolean.PenWidth, 2);

    project.engine.StopSimulation();
    EXPECT_EQ(boolean.PenColor, kLinkBlack);
    EXPECT_EQ(boolean.PenWidth, 1);
    EXPECT_EQ(boolean.Restrictions, 0u);
    EXPECT_EQ(gate.RunMode, 0);
}

TEST(ScanEngine, OneOutputFeedsAnyNumberOfInputs) {
    Project project;
    DiagramBuilder page = project.AddPage("MAIN", FreeCycle);
    auto& source = page.Io<TiIN>("9", 0, 0);
    for (int i = 0; i < 40; ++i) {
        page.Link(source, 0, page.Io<TiOUT>("MB" + std::to_string(i), 100, i * 30.0), 0);
    }
    ASSERT_TRUE(project.driver.Start());
    project.driver.AdvanceTo(10);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(project.Word(("MB" + std::to_string(i)).c_str()), 9);
    }
}

TEST(VirtualTime, EventsRunAtTheirRatesInOrder) {
    Project project;
    std::vector<std::string> scans;
    project.AddPage("FREE", FreeCycle);
    project.AddPage("T100", Every100ms);
    project.AddPage("T1S", Every1s);
    project.AddPage("INIT", StartUp);
    project.engine.OnPageScanned = [&](TatDiagram& page) { scans.push_back(page.FCName()); };
    ASSERT_TRUE(project.driver.Start());
    project.driver.AdvanceTo(1000);
    std::map<std::string, int> counts;
    for (const auto& name : scans) {
        ++counts[name];
    }
    EXPECT_EQ(counts["INIT"], 1);
    EXPECT_EQ(counts["FREE"], 100);
    EXPECT_EQ(counts["T100"], 10);
    EXPECT_EQ(counts["T1S"], 1);
    // At 1000 ms all three fall due: free cycle, then 100 ms, then 1 s.
    const std::vector<std::string> last(scans.end() - 3, scans.end());
    EXPECT_EQ(last, (std::vector<std::string>{"FREE", "T100", "T1S"}));
    EXPECT_EQ(project.clock.Ms(), 1000);
}

TEST(VirtualTime, ProgressAdvancesOnTheActivePageOnly) {
    Project project;
    project.AddPage("FREE", FreeCycle);
    project.AddPage("SLOW", Every1s);
    project.engine.SetActivePage(1);
    ASSERT_TRUE(project.driver.Start());
    project.driver.AdvanceTo(3000);
    EXPECT_EQ(project.engine.Progress(), 30);
    project.engine.SetActivePage(0);
    project.driver.AdvanceTo(3000 + 7 * 10);
    EXPECT_EQ(project.engine.Progress(), 100);
    project.driver.AdvanceTo(3000 + 8 * 10);
    EXPECT_EQ(project.engine.Progress(), 0);
}

TEST(TickScheduler, LateTicksDoNotPileUp) {
    TickScheduler scheduler;
    scheduler.Start(0);
    std::vector<int> ran;
    scheduler.RunDue(35, [&](int event) { ran.push_back(event); });
    EXPECT_EQ(ran, std::vector<int>{FreeCycle});
    EXPECT_EQ(scheduler.NextDueMs(), 45);
    ran.clear();
    scheduler.RunDue(1000, [&](int event) { ran.push_back(event); });
    EXPECT_EQ(ran, (std::vector<int>{FreeCycle, Every100ms, Every1s}));
}

} // namespace
} // namespace vexa
