#include "library_tree.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

// The tree as one line per entry: depth in dots, then the text.
void Flatten(const std::vector<TreeNode>& nodes, int depth, std::vector<std::string>& out) {
    for (const TreeNode& node : nodes) {
        out.push_back(std::string(static_cast<std::size_t>(depth), '.') + node.text);
        Flatten(node.children, depth + 1, out);
    }
}

std::vector<std::string> Flatten(const TreeLoad& load) {
    std::vector<std::string> out;
    Flatten(load.roots, 0, out);
    return out;
}

TEST(LibraryTree, NestsByLeadingTabsAndSpaces) {
    const TreeLoad load = ParseTree("Library\r\n"
                                    "\tBit logic\r\n"
                                    "\t\tbIN\r\n"
                                    " \tbOUT\r\n"
                                    "  \t\r\n"
                                    "\tTimers\n"
                                    "\t\tpTIMER\n"
                                    "Spare");
    EXPECT_TRUE(load.complete);
    EXPECT_EQ(load.failedLine, 0);
    EXPECT_EQ(Flatten(load), (std::vector<std::string>{"Library", ".Bit logic", "..bIN", "..bOUT",
                                                       ".Timers", "..pTIMER", "Spare"}));
}

TEST(LibraryTree, ShallowerLineJoinsTheNearestEntryAtItsDepth) {
    const TreeLoad load = ParseTree("A\n\tB\n\t\tC\n\t\t\tD\n\tE\n\t\tF\nG\n\tH x \n");
    EXPECT_TRUE(load.complete);
    EXPECT_EQ(Flatten(load),
              (std::vector<std::string>{"A", ".B", "..C", "...D", ".E", "..F", "G", ".H x "}));
}

TEST(LibraryTree, JumpOfTwoLevelsStopsWithTheEntriesReadSoFar) {
    const TreeLoad load = ParseTree("DI\n\tDI8-24V\n\nDO\n\t\tDO8-24V\n\tDO16-24V\n");
    EXPECT_FALSE(load.complete);
    EXPECT_EQ(load.failedLine, 5);
    EXPECT_EQ(Flatten(load), (std::vector<std::string>{"DI", ".DI8-24V", "DO"}));
}

TEST(LibraryTree, FirstLineIsTopLevelWhateverItsIndent) {
    const TreeLoad load = ParseTree("\n\t\tCPU\n\tCPU-51\nDI\n");
    EXPECT_TRUE(load.complete);
    EXPECT_EQ(Flatten(load), (std::vector<std::string>{"CPU", ".CPU-51", "DI"}));
    EXPECT_TRUE(ParseTree("").roots.empty());
}

} // namespace
} // namespace vexa
