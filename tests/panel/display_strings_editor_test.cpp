#include "display_strings_editor.h"
#include "panel_model.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(DisplayStringsEditor, ShowsFiftyRowsAndOkKeepsThem) {
    PanelModel panel;
    EXPECT_EQ(DisplayStringEditorRows(panel.DisplayStrings()),
              std::vector<std::string>(50, "")); // after New project: 50 empty rows

    std::vector<std::string> five = {"a", "b", "c", "d", "e"};
    auto rows = DisplayStringEditorRows(five);
    EXPECT_EQ(rows[4], "e");
    EXPECT_EQ(rows[5], "");
    rows[2] = "typed";
    panel.SetDisplayStrings(rows); // OK
    EXPECT_EQ(panel.DisplayStringCount(), 50u);
    EXPECT_EQ(panel.DisplayString(2), "typed");

    const std::vector<std::string> many(60, "x");
    EXPECT_EQ(DisplayStringEditorRows(many).size(), 50u);
}

} // namespace
} // namespace vexa
