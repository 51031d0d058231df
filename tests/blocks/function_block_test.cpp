#include "block_test_support.h"
#include "fault.h"
#include "function_block.h"
#include "registry.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

class PlainFunction final : public TFunction {
public:
    using TFunction::TFunction;
    // Doubles IN1 into OUT while enabled.
    void Execute() override {
        if (Enabled()) {
            Value(2) = Add(Value(0), Value(0));
        }
    }
};

const char* kCatalog = R"(
[demo]
var0=12
VAR1=12
VAR2=22
[DEMO_name]
VAR0=IN1
VAR2=OUT
[demo_HELP]
VAR0=Doubles its input.
[single]
VAR0=11
VAR1=21
)";

struct Fixture {
    Catalog catalog = Catalog::FromText(kCatalog);
    BlockEnvironment environment{&catalog, nullptr, nullptr, nullptr, nullptr};
};

std::vector<double> PinDistances(const TCustomDiagramBlock& block) {
    std::vector<double> distances;
    for (const TLinkPoint& pin : block.Pins()) {
        distances.push_back(pin.OrY * block.Height / 100.0);
    }
    return distances;
}

TEST(FunctionBlock, BuildsPinsFromTheCatalogueWithoutRegardToCase) {
    Fixture fixture;
    PlainFunction block("DEMO", fixture.environment);
    EXPECT_EQ(block.Width, 90);
    EXPECT_EQ(block.Height, 60);
    ASSERT_EQ(block.Pins().size(), 3u);
    EXPECT_NEAR(block.Pins()[0].OrY, 50.0, 1e-9);
    EXPECT_NEAR(block.Pins()[1].OrY, 83.3333333, 1e-6);
    EXPECT_NEAR(block.Pins()[2].OrY, 50.0, 1e-9);
    EXPECT_EQ(block.Pins()[2].Orientation, PinOrientation::aoRight);
    EXPECT_EQ(block.Pins()[2].OrX, 100);
    EXPECT_EQ(block.Pins()[1].AnchorName, "-"); // no name key
    EXPECT_EQ(block.Pins()[2].AnchorName, "OUT");
    EXPECT_TRUE(block.Pins()[0].AnchorNameVisible);
    EXPECT_EQ(block.Pins()[0].AnchorValue, PinValue::ResetZero());
    EXPECT_EQ(block.Hint, "Doubles its input.");
    EXPECT_EQ(block.Restrictions, crNoResize | crNoRotation);

    EXPECT_EQ(PlainFunction("single", fixture.environment).Height, 40);
}

TEST(FunctionBlock, ENAddsAndRemovesTheLastTwoPins) {
    Fixture fixture;
    PlainFunction block("demo", fixture.environment);
    block.SetEN(true);
    EXPECT_EQ(block.Height, 80);
    ASSERT_EQ(block.Pins().size(), 5u);
    EXPECT_EQ(block.Pins()[3].AnchorName, "EN");
    EXPECT_EQ(block.Pins()[3].AnchorIndex, 11);
    EXPECT_EQ(block.Pins()[4].AnchorName, "ENO");
    EXPECT_EQ(block.Pins()[4].AnchorIndex, 21);
    const std::vector<double> withEN = PinDistances(block);
    const std::vector<double> expected = {50, 70, 50, 30, 30};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(withEN[i], expected[i], 1e-9) << "pin " << i;
    }
    block.SetEN(false);
    EXPECT_EQ(block.Height, 60);
    ASSERT_EQ(block.Pins().size(), 3u);
    const std::vector<double> without = PinDistances(block);
    EXPECT_NEAR(without[0], 30, 1e-9);
    EXPECT_NEAR(without[1], 50, 1e-9);
    EXPECT_NEAR(without[2], 30, 1e-9);
}

TEST(FunctionBlock, MissingEntryGivesAPinlessBlock) {
    Fixture fixture;
    PlainFunction block("nothing", fixture.environment);
    EXPECT_EQ(block.Width, 90);
    EXPECT_EQ(block.Height, 20);
    EXPECT_TRUE(block.Pins().empty());
    EXPECT_EQ(block.Hint, "");
    const BlockEnvironment noCatalog;
    EXPECT_TRUE(PlainFunction("demo", noCatalog).Pins().empty());
}

TEST(FunctionBlock, EnableContract) {
    Fixture fixture;
    PlainFunction block("demo", fixture.environment);
    block.Pins()[0].AnchorValue = PinValue::Integer(4);
    block.Execute(); // EN off: always computes
    EXPECT_EQ(block.Pins()[2].AnchorValue, PinValue::Integer(8));

    block.SetEN(true);
    block.Pins()[0].AnchorValue = PinValue::Integer(5);
    block.Pins()[3].AnchorValue = PinValue::Boolean(false);
    block.Execute();
    EXPECT_EQ(block.Pins()[2].AnchorValue, PinValue::Integer(8)); // kept
    EXPECT_EQ(block.Pins()[4].AnchorValue, PinValue::Boolean(false));

    block.Pins()[3].AnchorValue = PinValue::Integer(7); // any non-zero number enables
    block.Execute();
    EXPECT_EQ(block.Pins()[2].AnchorValue, PinValue::Integer(10));
    EXPECT_EQ(block.Pins()[4].AnchorValue, PinValue::Integer(7));
}

// Every registered computing block finds its entry in the shipped catalogue, with pin names that
// are C identifiers and at least one pin of the direction its kind needs.
TEST(Catalogue, EveryComputingBlockHasItsEntry) {
    test::BlockBench bench;
    for (const BlockClass& blockClass : BlockClasses()) {
        SCOPED_TRACE(std::string(blockClass.name));
        auto block = blockClass.create(bench.environment);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->ClassName(), blockClass.name);
        auto* function = dynamic_cast<TFunction*>(block.get());
        if (function == nullptr) {
            continue;
        }
        EXPECT_FALSE(function->Hint.empty());
        for (const TLinkPoint& pin : function->Pins()) {
            ASSERT_FALSE(pin.AnchorName.empty());
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(pin.AnchorName[0])));
            for (char c : pin.AnchorName) {
                EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '_');
            }
            EXPECT_TRUE(pin.IsInput() || pin.IsOutput());
        }
    }
}

} // namespace
} // namespace vexa

namespace vexa {
namespace {

TEST(FunctionBlock, AMissingEntryFaultsInsteadOfReadingPastThePins) {
    const Catalog empty;
    BlockEnvironment environment{&empty, nullptr, nullptr, nullptr, nullptr};
    PlainFunction block("nothing", environment);
    EXPECT_THROW(block.Execute(), Fault);
}

} // namespace
} // namespace vexa
