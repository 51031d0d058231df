#include "connection_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace vexa {
namespace {

// A block with one pin per type code, inputs on the left, outputs on the right.
TCustomDiagramBlock& MakeBlock(TatDiagram& page, std::initializer_list<int> codes) {
    auto& block = page.AddBlock(std::make_unique<TCustomDiagramBlock>());
    block.Width = 90;
    block.Height = 60;
    for (int code : codes) {
        const bool input = PinCode::Direction(code) == PinCode::Input;
        TLinkPoint& pin = block.AddPin(input ? PinOrientation::aoLeft : PinOrientation::aoRight,
                                       input ? 0 : 100, 50);
        pin.AnchorIndex = code;
    }
    return block;
}

TEST(AcceptLink, TypeAndDirectionTable) {
    const struct {
        int source;
        int target;
        bool accept;
    } cases[] = {
        {21, 11, true},  {22, 12, true},  {23, 13, true}, {21, 12, false}, {22, 13, false},
        {21, 21, false}, {11, 11, false}, {11, 21, true}, {12, 22, true},  {21, 19, true},
        {22, 19, true},  {23, 19, true},  {19, 19, true}, {19, 11, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " -> " << c.target);
        TatDiagram page;
        auto& from = MakeBlock(page, {c.source});
        auto& to = MakeBlock(page, {c.target});
        TDiagramSideLine& link = page.DrawLink(from, 0, to, 0);
        EXPECT_EQ(link.Target().Anchor != nullptr, c.accept);
        EXPECT_EQ(link.FixedConnection, c.accept);
        RemoveDanglingLinks(page);
        EXPECT_EQ(page.LinkCount(), c.accept ? 1u : 0u);
    }
}

TEST(AcceptLink, AcceptClearsArrowsAndMissingPinsAreAccepted) {
    TDiagramSideLine link;
    link.SourceArrow = ArrowShape::asRectangle;
    link.TargetArrow = ArrowShape::asRectangle;
    TLinkPoint output;
    output.AnchorIndex = 21;
    TLinkPoint input;
    input.AnchorIndex = 12;
    EXPECT_FALSE(AcceptLink(link, &output, &input));
    EXPECT_EQ(link.SourceArrow, ArrowShape::asRectangle);
    input.AnchorIndex = 11;
    EXPECT_TRUE(AcceptLink(link, &output, &input));
    EXPECT_EQ(link.SourceArrow, ArrowShape::asNone);
    EXPECT_EQ(link.TargetArrow, ArrowShape::asNone);
    EXPECT_TRUE(AcceptLink(link, nullptr, &input));
}

TEST(LinkEnds, AnInputTakesASingleLink) {
    TatDiagram page;
    auto& first = MakeBlock(page, {21});
    auto& second = MakeBlock(page, {21});
    auto& sink = MakeBlock(page, {11});

    TDiagramSideLine& link = page.DrawLink(first, 0, sink, 0);
    EXPECT_EQ(sink.Pins()[0].LinkConstraint, PinLinkConstraint::lcNone);
    EXPECT_EQ(first.Pins()[0].LinkConstraint, PinLinkConstraint::lcAll);

    TDiagramSideLine& refused = page.DrawLink(second, 0, sink, 0);
    EXPECT_EQ(refused.Target().Anchor, nullptr);
    EXPECT_FALSE(refused.FixedConnection);
    RemoveDanglingLinks(page);
    EXPECT_EQ(page.LinkCount(), 1u);

    page.DeleteLink(link);
    EXPECT_EQ(sink.Pins()[0].LinkConstraint, PinLinkConstraint::lcAll);
    page.DrawLink(second, 0, sink, 0);
    EXPECT_EQ(page.Link(0).Target().Anchor, &sink);
}

TEST(LinkEnds, DrawingFromAnInputStillBlocksIt) {
    TatDiagram page;
    auto& source = MakeBlock(page, {21});
    auto& sink = MakeBlock(page, {11});
    page.DrawLink(sink, 0, source, 0);
    EXPECT_EQ(page.Link(0).Source().Anchor, &sink);
    EXPECT_TRUE(page.Link(0).FixedConnection);
    EXPECT_EQ(sink.Pins()[0].LinkConstraint, PinLinkConstraint::lcNone);
    // The input is taken, so a drawing that starts there cannot even attach its first end.
    TDiagramSideLine& second = page.DrawLink(sink, 0, source, 0);
    EXPECT_EQ(second.Source().Anchor, nullptr);
}

TEST(LinkEnds, OneOutputFeedsManyInputs) {
    TatDiagram page;
    auto& source = MakeBlock(page, {21});
    for (int i = 0; i < 3; ++i) {
        page.DrawLink(source, 0, MakeBlock(page, {11}), 0);
    }
    RemoveDanglingLinks(page);
    EXPECT_EQ(page.LinkCount(), 3u);
}

TEST(RemoveDanglingLinks, RemovesLinksWhosePinWentAway) {
    TatDiagram page;
    auto& source = MakeBlock(page, {21, 21});
    auto& gate = MakeBlock(page, {11, 11, 11});
    auto& kept = page.DrawLink(source, 0, gate, 0);
    page.DrawLink(source, 1, gate, 2);

    gate.Pins().pop_back(); // an input removed from the block
    RemoveDanglingLinks(page);
    ASSERT_EQ(page.LinkCount(), 1u);
    EXPECT_EQ(&page.Link(0), &kept);

    page.DeleteBlock(source);
    EXPECT_EQ(kept.Source().Anchor, nullptr);
    EXPECT_EQ(gate.Pins()[0].LinkConstraint, PinLinkConstraint::lcNone);
    RemoveDanglingLinks(page);
    EXPECT_EQ(page.LinkCount(), 0u);
    EXPECT_EQ(gate.Pins()[0].LinkConstraint, PinLinkConstraint::lcAll);
}

TEST(RemoveDanglingLinks, LoadedLinksRebuildConstraintsWithoutFixing) {
    TatDiagram page;
    auto& source = MakeBlock(page, {21});
    auto& sink = MakeBlock(page, {11});
    TDiagramSideLine& loaded = page.AddLink(std::make_unique<TDiagramSideLine>());
    EXPECT_TRUE(page.AttachLinkEnd(loaded, LinkSide::Source, source, 0));
    EXPECT_TRUE(page.AttachLinkEnd(loaded, LinkSide::Target, sink, 0));
    EXPECT_EQ(sink.Pins()[0].LinkConstraint, PinLinkConstraint::lcNone);
    EXPECT_FALSE(loaded.FixedConnection);
    EXPECT_FALSE(page.AttachLinkEnd(loaded, LinkSide::Target, sink, 5));
}

} // namespace
} // namespace vexa
