#include "panel_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vexa {
namespace {

const std::string kBlankLine(PanelModel::kLineWidth, ' ');

// Line 0 as shown after a flush, padded with blanks to the display's width.
std::string Shown(const std::string& text) {
    return text + std::string(PanelModel::kLineWidth - text.size(), ' ');
}

class PanelModelTest : public ::testing::Test {
protected:
    void SetUp() override { panel.SetDisplayStrings({"ABC", "AB", "CD"}); }

    PanelModel panel;
};

struct InsertCase {
    const char* name;
    std::function<void(PanelModel&)> puts;
    std::string line0;
};

TEST_F(PanelModelTest, PutsInsertAtTheColumnAndPushOlderTextRight) {
    const InsertCase cases[] = {
        {"string at column 0", [](PanelModel& p) { p.PutString(0, 0, 0); }, Shown("ABC")},
        {"AB at 0 then CD at 5",
         [](PanelModel& p) {
             p.PutString(0, 0, 1);
             p.PutString(5, 0, 2);
         },
         Shown("AB   CD")},
        {"CD at 5 then AB at 0",
         [](PanelModel& p) {
             p.PutString(5, 0, 2);
             p.PutString(0, 0, 1);
         },
         Shown("AB     CD")},
        {"same column, later first",
         [](PanelModel& p) {
             p.PutString(3, 0, 1);
             p.PutString(3, 0, 2);
         },
         Shown("   CDAB")},
        {"-42 cut at the right edge", [](PanelModel& p) { p.PutInteger(14, 0, -42); },
         Shown("              -4")},
        {"integer before a string",
         [](PanelModel& p) {
             p.PutString(0, 0, 0);
             p.PutInteger(1, 0, 2147483647);
         },
         Shown("A2147483647BC")},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.puts(panel);
        panel.Flush();
        EXPECT_EQ(panel.ShownLine(0), c.line0);
    }
}

TEST_F(PanelModelTest, IgnoredPutsLeaveEveryLineBlank) {
    const std::pair<const char*, std::function<void(PanelModel&)>> cases[] = {
        {"column 16", [](PanelModel& p) { p.PutInteger(16, 0, 7); }},
        {"column -1", [](PanelModel& p) { p.PutString(-1, 0, 0); }},
        {"line 16", [](PanelModel& p) { p.PutReal(0, 16, 1.0, 0); }},
        {"line -1", [](PanelModel& p) { p.PutInteger(0, -1, 7); }},
        {"line 4 has no buffer", [](PanelModel& p) { p.PutInteger(0, 4, 7); }},
        {"line 15 has no buffer", [](PanelModel& p) { p.PutString(0, 15, 0); }},
        {"string number = count", [](PanelModel& p) { p.PutString(0, 0, 3); }},
        {"string number -1", [](PanelModel& p) { p.PutString(0, 0, -1); }},
    };
    for (const auto& [name, put] : cases) {
        SCOPED_TRACE(name);
        put(panel);
        panel.Flush();
        for (int line = 0; line < PanelModel::kLineCount; ++line) {
            EXPECT_EQ(panel.ShownLine(line), kBlankLine) << "line " << line;
        }
    }
}

TEST_F(PanelModelTest, DisplayChangesOnlyOnFlushWhichBlanksTheBuffers) {
    for (int line = 0; line < PanelModel::kLineCount; ++line) {
        EXPECT_EQ(panel.ShownLine(line), "");
    }
    panel.PutString(0, 3, 0);
    EXPECT_EQ(panel.ShownLine(3), "");

    panel.Flush();
    EXPECT_EQ(panel.ShownLine(3), Shown("ABC"));
    EXPECT_EQ(panel.ShownLine(0), kBlankLine);

    panel.PutInteger(0, 3, 5);
    EXPECT_EQ(panel.ShownLine(3), Shown("ABC"));
    panel.Flush();
    EXPECT_EQ(panel.ShownLine(3), Shown("5"));
    panel.Flush();
    EXPECT_EQ(panel.ShownLine(3), kBlankLine);
}

// A program that never flushes keeps inserting; the bounded buffer still shows the newest text.
TEST_F(PanelModelTest, ManyWritesWithoutFlushKeepTheVisibleResult) {
    for (int i = 0; i < 1000; ++i) {
        panel.PutInteger(0, 1, i % 10);
    }
    panel.PutString(15, 1, 2);
    panel.Flush();
    EXPECT_EQ(panel.ShownLine(1), "987654321098765C");
}

TEST_F(PanelModelTest, PutRealRoundsHalvesUpwardToTheDecimals) {
    struct Case {
        double value;
        std::int8_t decimals;
        const char* text;
    };
    const Case cases[] = {
        {3.14159, 2, "3.14"}, {2.5, 0, "3"},  {-2.5, 0, "-2"},
        {127.0, -1, "130"},   {-0.6, 0, "0"}, {1e20, 0, "1E20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        panel.PutReal(0, 2, c.value, c.decimals);
        panel.Flush();
        EXPECT_EQ(panel.ShownLine(2), Shown(c.text));
    }
}

TEST(PanelDisplayStrings, ReplaceClearAndNumberFromZero) {
    PanelModel panel;
    EXPECT_EQ(panel.DisplayStringCount(), 0u);
    panel.SetDisplayStrings({"first", "", "third"});
    ASSERT_EQ(panel.DisplayStringCount(), 3u);
    EXPECT_EQ(panel.DisplayString(0), "first");
    EXPECT_EQ(panel.DisplayString(2), "third");

    panel.PutString(0, 0, 2);
    panel.ClearDisplayStrings();
    EXPECT_EQ(panel.DisplayStringCount(), 0u);
    panel.PutString(6, 0, 0);
    panel.Flush();
    EXPECT_EQ(panel.ShownLine(0), Shown("third"));
}

} // namespace
} // namespace vexa
