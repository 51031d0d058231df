#include "diagram.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(FunctionPage, PropertyEventsOnlyOnRealChange) {
    TatDiagram page;
    EXPECT_EQ(page.FCName(), "FC1");
    EXPECT_EQ(page.FCTypes(), FreeCycle);
    int events = 0;
    page.OnChangeProperty = [&](TatDiagram&) { ++events; };

    page.SetFCTypes(0);
    EXPECT_EQ(events, 0);
    page.SetFCTypes(2);
    EXPECT_EQ(events, 1);
    page.SetFCName("FC1");
    page.SetFCComment("");
    EXPECT_EQ(events, 1);
    page.SetFCName("MAIN");
    page.SetFCComment("pumps");
    EXPECT_EQ(events, 3);
    EXPECT_EQ(page.FCName(), "MAIN");
}

TEST(FunctionPage, InsertTypeFollowsTheInsertedClass) {
    TatDiagram page;
    page.StartInsert("TDiagramSideLine");
    EXPECT_EQ(page.InsertType(), 2);
    page.StartInsert("TbAND");
    EXPECT_EQ(page.InsertType(), 1);
    page.CancelInsert();
    EXPECT_EQ(page.InsertType(), 0);
    page.StartInsert("TiADD");
    page.Clear();
    EXPECT_EQ(page.InsertType(), 0);
}

TEST(DiagramControl, ENRaisesItsEventOnChangeOnly) {
    TCustomDiagramBlock block;
    block.AddPin(PinOrientation::aoLeft, 0, 50);
    int events = 0;
    block.OnENChange = [&](TDiagramControl& sender) {
        EXPECT_EQ(&sender, &block);
        ++events;
    };
    block.SetEN(false);
    EXPECT_EQ(events, 0);
    block.SetEN(true);
    block.SetEN(true);
    EXPECT_EQ(events, 1);
    EXPECT_TRUE(block.EN());
    EXPECT_EQ(block.Pins().size(), 1u); // a plain block keeps the flag only
}

class SymbolCountingBlock : public TCustomDiagramBlock {
public:
    int changes = 0;

protected:
    void SymbolChanged() override { ++changes; }
};

TEST(DiagramBlock, ShowSymbolCallsBackOnChange) {
    SymbolCountingBlock block;
    block.SetShowSymbol(false);
    block.SetShowSymbol(true);
    block.SetShowSymbol(true);
    EXPECT_EQ(block.changes, 1);
}

TEST(DiagramBlock, ResetGivesEveryPinTheByteZero) {
    TCustomDiagramBlock block;
    block.AddPin(PinOrientation::aoLeft, 0, 50).AnchorValue = PinValue::Real(2.5);
    block.AddPin(PinOrientation::aoRight, 100, 50);
    ResetBlock(block);
    for (const TLinkPoint& pin : block.Pins()) {
        EXPECT_EQ(pin.AnchorValue, PinValue::Integer(0, IntWidth::U8));
    }
}

TEST(DiagramBlock, PinPositionFromPercent) {
    TCustomDiagramBlock block;
    block.Left = 100;
    block.Top = 40;
    block.Width = 90;
    block.Height = 60;
    block.AddPin(PinOrientation::aoRight, 100, 50);
    EXPECT_EQ(block.PinPosition(0), (Point{190, 70}));
    EXPECT_EQ(block.PinAt(1), nullptr);
    EXPECT_EQ(block.PinAt(-1), nullptr);
}

} // namespace
} // namespace vexa
