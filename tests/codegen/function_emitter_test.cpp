#include "arithmetic_blocks.h"
#include "block_test_support.h"
#include "diagram_builder.h"
#include "execution_order.h"
#include "function_emitter.h"
#include "gates.h"
#include "numeric_blocks.h"
#include "osc_pen.h"
#include "timer.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::DiagramBuilder;
using Lines = std::vector<std::string>;

struct Fixture {
    test::BlockBench bench;
    TatDiagram page;
    DiagramBuilder builder{page, bench.environment};

    Fixture() { page.SetFCName("MAIN"); }
    Lines Emit() {
        AssignExecutionOrder(page);
        return EmitFunctionBody(page);
    }
};

TEST(FunctionEmitter, BitInputGateAndOutput) {
    Fixture f;
    auto& in = f.builder.Io<TbIN>("I0.0", 0, 0);
    auto& gate = f.builder.Add<TbAND>(100, 0);
    auto& out = f.builder.Io<TbOUT>("Q0.1", 200, 0);
    f.builder.Link(in, 0, gate, 1);
    f.builder.Link(gate, 0, out, 0);
    EXPECT_EQ(f.Emit(), (Lines{"    fTbIN(&MAIN_bIN1,0,0,0);", "    MAIN_bAND1.IN1=MAIN_bIN1.OUT;",
                               "     fTbAND(&MAIN_bAND1,2);", "    MAIN_bOUT1.IN=MAIN_bAND1.OUT;",
                               "    fTbOUT(&MAIN_bOUT1,1,0,1,0);"}));
    EXPECT_TRUE(Fixture().Emit().empty());
}

TEST(FunctionEmitter, ConstantsAndAddresses) {
    Fixture f;
    f.builder.Io<TbIN>("1", 0, 0);
    f.builder.Io<TbIN>("false", 30, 0);
    f.builder.Io<TiIN>("$FF", 60, 0);
    f.builder.Io<TiIN>("MW10", 90, 0);
    f.builder.Io<TrIN>("0.5", 120, 0);
    f.builder.Io<TrIN>("0.1", 150, 0);
    f.builder.Io<TrIN>("QD4", 180, 0);
    f.builder.Io<TbOUT>("TRUE", 210, 0); // a constant is no place to write: no line
    auto& out = f.builder.Io<TrOUT>("MD20", 240, 0);
    out.SetEN(true);
    EXPECT_EQ(f.Emit(), (Lines{"    MAIN_bIN1.OUT=True;", "    MAIN_bIN2.OUT=False;",
                               "    MAIN_iIN1.OUT=255;", "    fTiIN(&MAIN_iIN2,2,10,2);",
                               "    MAIN_rIN1.OUT=0.5;", "    MAIN_rIN2.OUT=0.100000001490116;",
                               "    fTrIN(&MAIN_rIN3,1,4);", "    MAIN_rOUT1.useEN=-1;",
                               "    fTrOUT(&MAIN_rOUT1,2,20);"}));
}

TEST(FunctionEmitter, EnableChainOnlyForIntegerAndRealOutputs) {
    Fixture f;
    auto& source = f.builder.Io<TiIN>("5", 0, 0);
    auto& add = f.builder.Add<TiADD>(100, 0);
    add.SetEN(true);
    auto& move = f.builder.Add<TiMOVE>(100, 100);
    auto& first = f.builder.Io<TiOUT>("MW0", 300, 0);
    auto& second = f.builder.Io<TiOUT>("MW2", 300, 100);
    f.builder.Link(source, 0, add, 0);
    f.builder.Link(add, 2, first, 0);
    f.builder.Link(add, 2, move, 0);
    f.builder.Link(move, 1, second, 0);
    EXPECT_EQ(
        f.Emit(),
        (Lines{"    MAIN_iIN1.OUT=5;", "    MAIN_iADD1.IN1=MAIN_iIN1.OUT;",
               "    MAIN_iADD1.useEN=-1;", "    fTiADD(&MAIN_iADD1);",
               "    MAIN_iOUT1.IN=MAIN_iADD1.OUT;", "    MAIN_iOUT1.EN=MAIN_iADD1.ENO;",
               "    MAIN_iMOVE1.IN=MAIN_iADD1.OUT;", "    MAIN_iMOVE1.useEN=0;",
               "    fTiMOVE(&MAIN_iMOVE1);", "    MAIN_iOUT2.IN=MAIN_iMOVE1.OUT;",
               "    MAIN_iOUT2.EN=1;", "    MAIN_iOUT1.useEN=0;", "    fTiOUT(&MAIN_iOUT1,2,0,2);",
               "    MAIN_iOUT2.useEN=0;", "    fTiOUT(&MAIN_iOUT2,2,2,2);"}));
}

TEST(FunctionEmitter, TimerIdentifierPenAndReversedLinks) {
    Fixture f;
    auto& in = f.builder.Io<TbIN>("I0.0", 0, 0);
    auto& timer = f.builder.Add<TpTimer>(100, 0);
    timer.Mode = TpTimer::SD;
    timer.DControlID = "TpTIMER";
    auto& pen = f.builder.Add<TOscPen>(200, 100);
    f.builder.Link(timer, 0, in, 0); // drawn from the input to the output
    f.builder.Link(timer, 2, pen, 0);
    EXPECT_EQ(f.Emit(), (Lines{"    fTbIN(&MAIN_bIN1,0,0,0);", "    MAIN_pTimer1.IN=MAIN_bIN1.OUT;",
                               "    MAIN_pTimer1.useEN=0;", "    fTpTIMER(&MAIN_pTimer1,2);"}));
    (void)pen;
}

} // namespace
} // namespace vexa
