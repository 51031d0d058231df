#include "execution_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace vexa {
namespace {

TCustomDiagramBlock& Place(TatDiagram& page, double left, double top, std::int64_t tag = 0) {
    auto& block = page.AddBlock(std::make_unique<TCustomDiagramBlock>());
    block.Left = left;
    block.Top = top;
    block.Tag = tag;
    return block;
}

std::vector<std::int64_t> Tags(const TatDiagram& page) {
    std::vector<std::int64_t> tags;
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        tags.push_back(page.Block(i).Tag);
    }
    return tags;
}

std::vector<int> Orders(const TatDiagram& page) {
    std::vector<int> orders;
    for (std::size_t i = 0; i < page.BlockCount(); ++i) {
        orders.push_back(page.Block(i).OrderNumber);
    }
    return orders;
}

TEST(ExecutionOrder, BandsThenStepsFromTheLeft) {
    TatDiagram page;
    Place(page, 100, 0);
    Place(page, 20, 260);
    Place(page, 30, 0);
    AssignExecutionOrder(page);
    EXPECT_EQ(Tags(page), (std::vector<std::int64_t>{10, 1002, 3}));
    EXPECT_EQ(Orders(page), (std::vector<int>{1, 2, 0}));
}

TEST(ExecutionOrder, TiesMoveTheLaterBlockOn) {
    TatDiagram samePlace;
    Place(samePlace, 40, 40);
    Place(samePlace, 40, 40);
    AssignExecutionOrder(samePlace);
    EXPECT_EQ(Tags(samePlace), (std::vector<std::int64_t>{4, 5}));

    // Drawn before, the first keeps its key 0 and the second moves on to 1.
    TatDiagram sameStep;
    Place(sameStep, 9, 0, 0);
    Place(sameStep, 5, 100, 1);
    AssignExecutionOrder(sameStep);
    EXPECT_EQ(Tags(sameStep), (std::vector<std::int64_t>{0, 1}));
    EXPECT_EQ(Orders(sameStep), (std::vector<int>{0, 1}));

    // Two new blocks both still carry the initial tag 0: the first finds it taken.
    TatDiagram fresh;
    Place(fresh, 9, 0);
    Place(fresh, 5, 100);
    AssignExecutionOrder(fresh);
    EXPECT_EQ(Tags(fresh), (std::vector<std::int64_t>{1, 0}));
}

TEST(ExecutionOrder, LaterBlocksStillCarryTheirPreviousTags) {
    TatDiagram page;
    Place(page, 0, 0, 7);
    Place(page, 100, 0, 0); // previously at the first block's key
    Place(page, 20, 0, 1);  // and this one at the next key
    AssignExecutionOrder(page);
    EXPECT_EQ(Tags(page), (std::vector<std::int64_t>{2, 10, 3}));

    // A block's own previous tag does not block its key.
    TatDiagram own;
    Place(own, 50, 0, 5);
    AssignExecutionOrder(own);
    EXPECT_EQ(Tags(own), (std::vector<std::int64_t>{5}));
}

TEST(ExecutionOrder, NegativePositionsTruncateTowardZero) {
    TatDiagram page;
    Place(page, -15, -300);
    AssignExecutionOrder(page);
    EXPECT_EQ(page.Block(0).Tag, -1000 - 1);
}

// The algorithm as stated: every key is checked against all other blocks.
std::vector<std::int64_t> ReferenceTags(const TatDiagram& page) {
    std::vector<std::int64_t> tags = Tags(page);
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const auto& block = page.Block(i);
        std::int64_t key = static_cast<std::int64_t>(std::trunc(block.Top / 250)) * 1000 +
                           static_cast<std::int64_t>(std::trunc(block.Left / 10));
        for (bool taken = true; taken;) {
            taken = false;
            for (std::size_t j = 0; j < tags.size(); ++j) {
                if (j != i && tags[j] == key) {
                    taken = true;
                    ++key;
                    break;
                }
            }
        }
        tags[i] = key;
    }
    return tags;
}

TEST(ExecutionOrder, MatchesTheStatedAlgorithmOnRandomPages) {
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        TatDiagram page;
        const int count = 1 + static_cast<int>(random() % 60);
        // Small coordinate ranges make stacked blocks, shared keys and stale tags common.
        const int span = round % 2 == 0 ? 60 : 2000;
        for (int i = 0; i < count; ++i) {
            Place(page, static_cast<double>(random() % span) - 5,
                  static_cast<double>(random() % (span * 2)), static_cast<int>(random() % 12));
        }
        const std::vector<std::int64_t> expected = ReferenceTags(page);
        AssignExecutionOrder(page);
        ASSERT_EQ(Tags(page), expected) << "round " << round;

        std::vector<std::int64_t> sorted = expected;
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t i = 0; i < page.BlockCount(); ++i) {
            const auto rank =
                std::lower_bound(sorted.begin(), sorted.end(), expected[i]) - sorted.begin();
            EXPECT_EQ(page.Block(i).OrderNumber, rank);
        }
    }
}

TEST(ExecutionOrder, BlockByTagReturnsTheLastCarrier) {
    TatDiagram page;
    Place(page, 0, 0, 5);
    auto& second = Place(page, 0, 0, 5); // duplicate tags as a damaged file may hold
    Place(page, 0, 0, 6);
    EXPECT_EQ(BlockByTag(page, 5), &second);
    EXPECT_EQ(BlockByTag(page, 99), nullptr);
}

class SymbolBlock : public TCustomDiagramBlock {
public:
    int changes = 0;

protected:
    void SymbolChanged() override { ++changes; }
};

TEST(BeforeDrawBlock, SwitchesSymbolsOrdersAndClampsNegativePositions) {
    TatDiagram page;
    auto& dragged = page.AddBlock(std::make_unique<SymbolBlock>());
    dragged.Left = -40;
    dragged.Top = -5;
    auto& other = page.AddBlock(std::make_unique<SymbolBlock>());
    other.Left = 200;

    BeforeDrawBlock(page, dragged, true);
    EXPECT_TRUE(other.ShowSymbol());
    EXPECT_EQ(other.changes, 1);
    EXPECT_EQ(dragged.Left, 0);
    EXPECT_EQ(dragged.Top, 0);
    // The order was taken before the block was put back: -40 / 10 truncates to -4.
    EXPECT_EQ(dragged.Tag, -4);
    EXPECT_EQ(dragged.OrderNumber, 0);

    BeforeDrawBlock(page, other, true);
    EXPECT_EQ(other.changes, 1);
    EXPECT_EQ(dragged.Tag, 0);
}

} // namespace
} // namespace vexa
