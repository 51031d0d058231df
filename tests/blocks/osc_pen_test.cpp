#include "osc_pen.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(OscPen, NewPenHasOneHiddenAnyTypeInputOnTop) {
    TOscPen pen(BlockEnvironment{});
    EXPECT_EQ(pen.ClassName(), "TOscPen");
    EXPECT_EQ(pen.PenIndex, 1);
    EXPECT_TRUE(pen.Value.IsEmpty());
    EXPECT_EQ(pen.Width, 25);
    EXPECT_EQ(pen.Height, 20);
    EXPECT_EQ(pen.MinWidth, 10);
    EXPECT_EQ(pen.MinHeight, 10);
    EXPECT_EQ(pen.Restrictions, crNoResize | crNoRotation);
    ASSERT_EQ(pen.Pins().size(), 1u);
    const TLinkPoint& in = pen.Pins()[0];
    EXPECT_EQ(in.AnchorName, "IN");
    EXPECT_FALSE(in.AnchorNameVisible);
    EXPECT_EQ(in.AnchorIndex, 19);
    EXPECT_TRUE(in.IsInput());
    EXPECT_EQ(in.OrX, 50);
    EXPECT_EQ(in.OrY, 0);
    EXPECT_TRUE(in.AnchorValue.IsEmpty());
}

TEST(OscPen, ExecuteKeepsTheInputValueWhichResetLeavesAlone) {
    TOscPen pen(BlockEnvironment{});
    pen.Pins()[0].AnchorValue = PinValue::Boolean(true);
    pen.Execute();
    EXPECT_EQ(pen.Value, PinValue::Boolean(true));

    pen.Reset();
    EXPECT_EQ(pen.Pins()[0].AnchorValue, PinValue::ResetZero());
    EXPECT_EQ(pen.Value, PinValue::Boolean(true));
    pen.Execute();
    EXPECT_EQ(pen.Value, PinValue::ResetZero());
}

TEST(OscPen, DoubleClickEditsThePenNumberOnlyWhileStopped) {
    TOscPen pen(BlockEnvironment{});
    pen.PenIndex = 4;
    pen.RunMode = 1;
    pen.DoubleClick();
    EXPECT_FALSE(pen.Editor.visible);

    pen.RunMode = 0;
    pen.DoubleClick();
    EXPECT_TRUE(pen.Editor.visible);
    EXPECT_EQ(pen.Editor.text, "4");

    // A simulation started while editing: the typed text is not applied.
    pen.Editor.text = "x";
    pen.RunMode = 1;
    EXPECT_EQ(pen.EndEdit(), "");
    EXPECT_EQ(pen.PenIndex, 4);
    EXPECT_FALSE(pen.Editor.visible);
}

TEST(OscPen, EndEditAcceptsOnlyPenNumbersOneToEight) {
    struct Case {
        const char* typed;
        const char* written;
        int pen;
        const char* message;
    };
    const char* kMessage = "Enter Osciloscope Pen Number 1..8";
    const Case cases[] = {
        {"7", "7", 7, ""},
        {"+8", "+8", 8, ""},
        {"1", "1", 1, ""},
        {"9", "9", 1, kMessage},
        {"0", "0", 1, kMessage},
        {"-2", "-2", 1, kMessage},
        {"a", "A", 1, kMessage},
        {"", "", 1, kMessage},
        {" 3", " 3", 1, kMessage},
        {"3x", "3X", 1, kMessage},
        {"99999999999", "99999999999", 1, kMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TOscPen pen(BlockEnvironment{});
        pen.PenIndex = 5;
        pen.DoubleClick();
        pen.Editor.text = c.typed;
        EXPECT_EQ(pen.EndEdit(), c.message);
        EXPECT_EQ(pen.PenIndex, c.pen);
        EXPECT_EQ(pen.Editor.text, c.written);
        EXPECT_FALSE(pen.Editor.visible);
    }
}

TEST(OscPen, TraceColoursOfThePens) {
    const std::uint32_t colours[] = {0xFF0000, 0x008000, 0xFFFF00, 0x0000FF,
                                     0xFFFFFF, 0x808080, 0xFF00FF, 0x008080};
    for (int pen = 1; pen <= 8; ++pen) {
        EXPECT_EQ(PenTraceColor(pen), colours[pen - 1]) << "pen " << pen;
    }
    EXPECT_FALSE(PenTraceColor(0));
    EXPECT_FALSE(PenTraceColor(9));
}

} // namespace
} // namespace vexa
