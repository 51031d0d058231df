#include "hardware_catalog.h"
#include "library_tree.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vexa {
namespace {

using Column = std::vector<std::string>;

Column Row(const TextGrid& grid, int row) {
    Column cells;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        cells.push_back(grid.Cell(column, row));
    }
    return cells;
}

TEST(HardwareCatalog, DropAcceptance) {
    const struct {
        const char* group;
        int row;
        bool accepted;
    } cases[] = {
        {"CPU", 1, true},  {"CPU", 2, false},     {"DI", 1, false}, {"DI", 2, true},
        {"DO", 5, true},   {"AI", 9, true},       {"AO", 3, true},  {"AO", 10, false},
        {"DI", 0, false},  {"CPU", 0, false},     {"di", 2, false}, {"cpu", 1, false},
        {"DI ", 2, false}, {"Modules", 2, false}, {"", 1, false},   {"DI", -1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AcceptModuleDrop(c.group, c.row), c.accepted) << c.group << " " << c.row;
    }
}

TEST(HardwareCatalog, AreaClassRoundsHalvesToEven) {
    const std::map<int, int> classes = {{0, 0},  {10, 1}, {14, 1}, {15, 2}, {25, 2},
                                        {35, 4}, {45, 4}, {50, 5}, {70, 7}, {95, 10}};
    for (const auto& [id, areaClass] : classes) {
        EXPECT_EQ(ModuleAreaClass(id), areaClass) << id;
    }
}

const Catalog kModules = Catalog::FromText("[DIG]\nID=10\nLen=1\nComment=8 inputs\n"
                                           "[DIG25]\nID=25\nLen=2\n"
                                           "[DQ45]\nID=45\n"
                                           "[ANA]\nID=50\nLen=8\nComment=4 analogue inputs\n"
                                           "[ANQ]\nid=70\nlen=4\ncomment=2 analogue outputs\n"
                                           "[ODD]\nID=95\nLen=3\n"
                                           "[RU]\nID=30\nComment=\xc2\xfb\xf5\xee\xe4\xfb\n"
                                           "[\xc4\xc2]\nID=11\n");

TEST(HardwareCatalog, DropFillsTheRowFromTheCatalogue) {
    const struct {
        const char* module;
        int row;
        Column cells; // ID, Module, Comment, I area, Q area, Length
    } cases[] = {
        {"DIG", 2, {"10", "DIG", "8 inputs", "0", "", "1"}},
        {"DIG", 5, {"10", "DIG", "8 inputs", "6", "", "1"}},
        {"DIG25", 9, {"25", "DIG25", "-", "14", "", "2"}},
        {"DQ45", 4, {"45", "DQ45", "-", "", "4", ""}},
        {"ANA", 2, {"50", "ANA", "4 analogue inputs", "30", "", "8"}},
        {"anq", 3, {"70", "anq", "2 analogue outputs", "", "38", "4"}},
        {"ODD", 6, {"95", "ODD", "-", "", "", "3"}},
        {"RU", 2, {"30", "RU", "Выходы", "", "0", ""}},
        {"\xc4\xc2", 7, {"11", "ДВ", "-", "10", "", ""}},
        {"NONE", 8, {"0", "NONE", "-", "", "", ""}},
    };
    for (const auto& c : cases) {
        TextGrid hardware = MakeHardwareTable();
        DropModule(hardware, c.row, c.module, kModules);
        EXPECT_EQ(Row(hardware, c.row), c.cells) << c.module << " on row " << c.row;
    }
}

TEST(HardwareCatalog, ReplacingAModuleClearsTheOldAreaAndKeepsLengthWithoutLen) {
    TextGrid hardware = MakeHardwareTable();
    DropModule(hardware, 3, "ANQ", kModules);
    DropModule(hardware, 3, "DQ45", kModules);
    EXPECT_EQ(Row(hardware, 3), (Column{"45", "DQ45", "-", "", "2", "4"}));
    DropModule(hardware, 3, "NONE", kModules);
    EXPECT_EQ(Row(hardware, 3), (Column{"0", "NONE", "-", "", "", "4"}));
}

TEST(HardwareCatalog, DeleteEmptiesTheRowOnly) {
    TextGrid hardware = MakeHardwareTable();
    DropModule(hardware, 2, "DIG", kModules);
    DropModule(hardware, 3, "ANA", kModules);
    ClearHardwareRow(hardware, 2);
    EXPECT_EQ(Row(hardware, 2), Column(6));
    EXPECT_EQ(Row(hardware, 3)[HardwareColumn::Module], "ANA");
    ClearHardwareRow(hardware, 0);
    EXPECT_EQ(Row(hardware, 0), Row(MakeHardwareTable(), 0));
}

TEST(HardwareCatalog, IconDefaultsTo26) {
    const Catalog catalog = Catalog::FromText("[DIG]\nICON=28\n");
    EXPECT_EQ(ModuleIcon(catalog, "dig"), 28);
    EXPECT_EQ(ModuleIcon(catalog, "ANA"), 26);
}

// The shipped catalogue: the groups at top level, every module with a section whose area class
// suits its group and whose length fits the slot's window.
TEST(HardwareCatalog, ShippedCatalogueIsConsistent) {
    const TreeLoad tree = ParseTree(ReadFileBytes(VEXA_CATALOG_DIR "/HWTree.ini"));
    const Catalog catalog = Catalog::FromFile(VEXA_CATALOG_DIR "/HW.ini");
    ASSERT_TRUE(tree.complete);
    const std::map<std::string, std::set<int>> classesOfGroup = {
        {"DI", {1, 2}}, {"DO", {3, 4}}, {"AI", {5, 6}}, {"AO", {7, 8}}};
    std::set<std::string> groups;
    for (const TreeNode& group : tree.roots) {
        groups.insert(group.text);
        EXPECT_FALSE(group.children.empty()) << group.text;
        for (const TreeNode& module : group.children) {
            EXPECT_TRUE(module.children.empty()) << module.text;
            ASSERT_TRUE(catalog.HasSection(module.text)) << module.text;
            const int areaClass = ModuleAreaClass(catalog.ReadInteger(module.text, "ID", 0));
            const int length = catalog.ReadInteger(module.text, "Len", 0);
            if (group.text == "CPU") {
                EXPECT_TRUE(areaClass < 1 || areaClass > 8) << module.text;
                continue;
            }
            EXPECT_TRUE(classesOfGroup.at(group.text).contains(areaClass)) << module.text;
            EXPECT_GT(length, 0) << module.text;
            EXPECT_LE(length, areaClass <= 4 ? 2 : 8) << module.text;
            EXPECT_TRUE(AcceptModuleDrop(group.text, 2)) << module.text;
        }
    }
    EXPECT_EQ(groups, (std::set<std::string>{"CPU", "DI", "DO", "AI", "AO"}));
}

} // namespace
} // namespace vexa
