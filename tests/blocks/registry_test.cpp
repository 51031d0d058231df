#include "block_test_support.h"
#include "registry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace vexa {
namespace {

TEST(Registry, CreatesByNameWithoutRegardToCase) {
    test::BlockBench bench;
    auto timer = CreateBlock("TPTIMER", bench.environment);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->ClassName(), "TpTimer");
    EXPECT_EQ(CreateBlock("tband", bench.environment)->ClassName(), "TbAND");
    EXPECT_EQ(CreateBlock("TNoSuchBlock", bench.environment), nullptr);
    EXPECT_EQ(CreateBlock("TDiagramSideLine", bench.environment), nullptr);
}

TEST(Registry, Categories) {
    EXPECT_EQ(FindBlockClass("TbIN")->category, BlockCategory::Electric);
    EXPECT_EQ(FindBlockClass("TFLT_TO_INT")->category, BlockCategory::Electric);
    EXPECT_EQ(FindBlockClass("TpTimer")->category, BlockCategory::FunctionBlock);
    EXPECT_EQ(FindBlockClass("TOscPen")->category, BlockCategory::FunctionBlock);
}

TEST(Registry, EveryBlockClassIsRegistered) {
    const char* names[] = {
        "TbIN",    "TbOUT",  "TiIN",   "TiOUT",     "TwIN",        "TwOUT",       "TrIN",
        "TrOUT",   "TbAND",  "TbOR",   "TbNOT",     "TbFP",        "TbFN",        "TbRS",
        "TiADD",   "TiSUBB", "TiMULL", "TiDIV",     "TiEQ",        "TiGT",        "TiLS",
        "TiMOVE",  "TiSHR",  "TiSHL",  "TrADD",     "TrSUBB",      "TrMULL",      "TrDIV",
        "TrEQ",    "TrGT",   "TrLS",   "TrMOVE",    "TINT_TO_FLT", "TFLT_TO_INT", "TpTimer",
        "TpCOUNT", "TpGEN",  "TpPID",  "TpDPL_STR", "TpDPL_INT",   "TpDPL_REAL",  "TpDPL_WBUF",
        "TOscPen"};
    for (const char* name : names) {
        EXPECT_NE(FindBlockClass(name), nullptr) << name;
    }
    EXPECT_EQ(BlockClasses().size(), std::size(names));
}

} // namespace
} // namespace vexa

namespace vexa {
namespace {

// The shipped library tree: every entry two levels deep names a registered class, and every
// registered class has an entry.
TEST(Catalogue, LibraryTreeCoversEveryClass) {
    std::ifstream tree(VEXA_CATALOG_DIR "/FBTree.ini");
    ASSERT_TRUE(tree.good());
    std::set<std::string_view> listed;
    for (std::string line; std::getline(tree, line);) {
        const auto depth = line.find_first_not_of("\t ");
        if (depth != 2) {
            continue;
        }
        const BlockClass* blockClass = FindBlockClass("T" + line.substr(depth));
        ASSERT_NE(blockClass, nullptr) << line;
        listed.insert(blockClass->name);
    }
    EXPECT_EQ(listed.size(), BlockClasses().size());
}

} // namespace
} // namespace vexa
