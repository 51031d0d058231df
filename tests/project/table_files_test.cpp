#include "table_files.h"
#include "temp_folder.h"
#include "text_file.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::TempFolder;

TEST(GridTable, SymbolTableRoundTripsByteForByte) {
    TempFolder folder;
    TextGrid symbols = MakeSymbolTable();
    symbols.SetCell(SymbolColumn::Address, 1, "I0.0");
    symbols.SetCell(SymbolColumn::Symbol, 1, "Start");
    symbols.SetCell(SymbolColumn::Comment, 1, "  start button ");
    symbols.SetCell(SymbolColumn::Value, 299, "1");
    const auto path = folder / "Symbol.pdb";
    SaveGridTable(symbols, path);

    const std::string bytes = ReadFileBytes(path);
    const std::vector<std::string> lines = SplitLines(bytes);
    ASSERT_EQ(lines.size(), 1802u);
    EXPECT_EQ(bytes.substr(0, 23), "6\r\n300\r\nAddress\r\nI0.0\r\n");
    EXPECT_EQ(lines[2 + 300 * SymbolColumn::Comment + 1], "  start button ");

    TextGrid loaded(1, 1);
    LoadGridTable(loaded, path);
    EXPECT_EQ(loaded, symbols);
    SaveGridTable(loaded, path);
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST(GridTable, LoadTakesTheFilesSizesAndAcceptsLfOnly) {
    TempFolder folder;
    const auto path = folder / "HW.pdb";
    WriteFileAtomic(path, "2\n3\nID\n1\n\nModule\nCPU-51\n \n");
    TextGrid grid = MakeHardwareTable();
    grid.SetCell(HardwareColumn::Length, 9, "4");
    LoadGridTable(grid, path);
    ASSERT_EQ(grid.ColumnCount(), 2);
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(0, 1), "1");
    EXPECT_EQ(grid.Cell(0, 2), "");
    EXPECT_EQ(grid.Cell(1, 0), "Module");
    EXPECT_EQ(grid.Cell(1, 2), " ");
}

TEST(GridTable, CellsAreCodePageBytesInTheFile) {
    TempFolder folder;
    const auto path = folder / "Symbol.pdb";
    TextGrid grid(1, 2);
    grid.SetCell(0, 1, "Насос №1");
    SaveGridTable(grid, path);
    EXPECT_EQ(ReadFileBytes(path), "1\r\n2\r\n\r\n\xcd\xe0\xf1\xee\xf1 \xb9"
                                   "1\r\n");
    TextGrid loaded(1, 2);
    LoadGridTable(loaded, path);
    EXPECT_EQ(loaded.Cell(0, 1), "Насос №1");
}

TEST(GridTable, DamagedFilesFailWithTheGridEmptiedBelowTheHeadings) {
    TempFolder folder;
    const struct {
        const char* name;
        const char* bytes;
    } cases[] = {
        {"no count", ""},
        {"column count not a number", "six\r\n300\r\n"},
        {"row count not a number", "6\r\n3x\r\n"},
        {"row count missing", "6\r\n"},
        {"negative count", "6\r\n-1\r\n"},
        {"absurd count", "6\r\n99999999999\r\n"},
        {"ends early", "2\r\n2\r\nA\r\nB\r\nC\r\n"},
    };
    for (const auto& c : cases) {
        const auto path = folder / "Symbol.pdb";
        WriteFileAtomic(path, c.bytes);
        TextGrid grid = MakeSymbolTable();
        grid.SetCell(SymbolColumn::Symbol, 5, "Pump");
        EXPECT_THROW(LoadGridTable(grid, path), FileError) << c.name;
        TextGrid expected = MakeSymbolTable();
        EXPECT_EQ(grid, expected) << c.name;
    }

    TextGrid grid = MakeHardwareTable();
    grid.SetCell(HardwareColumn::Id, 1, "1");
    EXPECT_THROW(LoadGridTable(grid, folder / "missing.pdb"), FileError);
    EXPECT_EQ(grid, MakeHardwareTable());
}

TEST(GridTable, ClearKeepsHeadingsAndSizes) {
    TextGrid grid = MakeHardwareTable();
    grid.SetCell(HardwareColumn::Module, 3, "DI8-24V");
    grid.SetCell(HardwareColumn::Length, 9, "1");
    ClearGrid(grid);
    EXPECT_EQ(grid, MakeHardwareTable());
}

TEST(DisplayStrings, RoundTripWithoutConversion) {
    TempFolder folder;
    const auto path = folder / "Indicate.pdb";
    const std::vector<std::string> strings = {"Pump on", "", " \xc4\xe0\x98 "};
    SaveDisplayStrings(strings, path);
    EXPECT_EQ(ReadFileBytes(path), "Pump on\r\n\r\n \xc4\xe0\x98 \r\n");
    EXPECT_EQ(LoadDisplayStrings(path), strings);

    SaveDisplayStrings({}, path);
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_TRUE(LoadDisplayStrings(path).empty());

    WriteFileAtomic(path, "one\ntwo");
    EXPECT_EQ(LoadDisplayStrings(path), (std::vector<std::string>{"one", "two"}));
    EXPECT_THROW(LoadDisplayStrings(folder / "missing.pdb"), FileError);
}

} // namespace
} // namespace vexa
