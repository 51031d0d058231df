#include "block_test_support.h"
#include "gates.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

double Distance(const TCustomDiagramBlock& block, int pin) {
    return block.Pins()[static_cast<std::size_t>(pin)].OrY * block.Height / 100.0;
}

TEST(Gates, InputsFollowNum) {
    test::BlockBench bench;
    TbAND gate(bench.environment);
    EXPECT_EQ(gate.Width, 70);
    EXPECT_EQ(gate.Height, 60);
    ASSERT_EQ(gate.Pins().size(), 3u);
    EXPECT_EQ(gate.Pins()[0].AnchorName, "OUT");
    EXPECT_NEAR(Distance(gate, 0), 30, 1e-9);
    EXPECT_NEAR(Distance(gate, 1), 30, 1e-9);
    EXPECT_NEAR(Distance(gate, 2), 50, 1e-9);

    gate.AddInput();
    gate.AddInput();
    EXPECT_EQ(gate.Num(), 4);
    EXPECT_EQ(gate.Height, 100);
    EXPECT_NEAR(Distance(gate, 4), 90, 1e-9);
    EXPECT_EQ(gate.Pins()[4].AnchorName, "IN4");
    gate.AddInput();
    EXPECT_EQ(gate.Num(), 4);

    gate.RemoveInput();
    gate.RemoveInput();
    gate.RemoveInput();
    EXPECT_EQ(gate.Num(), 2);
    EXPECT_EQ(gate.Pins().size(), 3u);
    gate.SetNum(-1);
    EXPECT_EQ(gate.Num(), 2);
}

TEST(Gates, CombineTaggedValues) {
    test::BlockBench bench;
    const PinValue t = PinValue::Boolean(true);
    const PinValue f = PinValue::Boolean(false);
    const PinValue unlinked = PinValue::ResetZero();
    struct Case {
        bool isAnd;
        std::vector<PinValue> inputs;
        PinValue out;
    };
    const Case cases[] = {
        {true, {t, t}, t},        {true, {t, f}, f},  {true, {t, unlinked}, PinValue::Integer(0)},
        {false, {f, f}, f},       {false, {f, t}, t}, {false, {t, unlinked}, PinValue::Integer(-1)},
        {false, {f, f, f, t}, t},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TGate> gate;
        if (c.isAnd) {
            gate = std::make_unique<TbAND>(bench.environment);
        } else {
            gate = std::make_unique<TbOR>(bench.environment);
        }
        gate->SetNum(static_cast<int>(c.inputs.size()));
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            gate->Pins()[i + 1].AnchorValue = c.inputs[i];
        }
        gate->Execute();
        EXPECT_EQ(gate->Pins()[0].AnchorValue, c.out);
        EXPECT_EQ(gate->Pins()[0].AnchorValue.IsTrue(), c.out.IsTrue());
    }
}

} // namespace
} // namespace vexa
