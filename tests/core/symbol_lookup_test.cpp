#include "text_grid.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

void AddRow(TextGrid& grid, int row, const char* address, const char* symbol, const char* comment) {
    grid.SetCell(SymbolColumn::Address, row, address);
    grid.SetCell(SymbolColumn::Symbol, row, symbol);
    grid.SetCell(SymbolColumn::Comment, row, comment);
}

TEST(TextGrid, TablesHaveTheirSizeAndHeadings) {
    const TextGrid symbols = MakeSymbolTable();
    EXPECT_EQ(symbols.ColumnCount(), 6);
    EXPECT_EQ(symbols.RowCount(), 300);
    EXPECT_EQ(symbols.Cell(SymbolColumn::Modify, 0), "Modify");
    const TextGrid hardware = MakeHardwareTable();
    EXPECT_EQ(hardware.RowCount(), 10);
    EXPECT_EQ(hardware.Cell(HardwareColumn::InputArea, 0), "I area");

    TextGrid grid(2, 2);
    grid.SetCell(5, 5, "outside");
    EXPECT_EQ(grid.Cell(5, 5), "");
    EXPECT_EQ(grid.Cell(-1, 0), "");
}

TEST(SymbolLookup, SymbolToAddress) {
    TextGrid symbols = MakeSymbolTable();
    AddRow(symbols, 3, "q0.1", "Motor_On", "pump motor");
    AddRow(symbols, 7, "M0.0", "motor_on", "lower row");

    const SymbolLookup found = SymbolToAddress(symbols, "motor_on");
    EXPECT_EQ(found.text, "Q0.1"); // the upper row wins, upper-cased
    EXPECT_EQ(found.comment, "pump motor");

    const SymbolLookup missing = SymbolToAddress(symbols, "valve_on");
    EXPECT_EQ(missing.text, "VALVE_ON");
    EXPECT_EQ(missing.comment, "");
    EXPECT_EQ(SymbolToAddress(symbols, "i0.0").text, "I0.0");
}

TEST(SymbolLookup, AddressToSymbol) {
    TextGrid symbols = MakeSymbolTable();
    AddRow(symbols, 1, "I0.0", "", "spare");
    AddRow(symbols, 2, "q0.1", "Motor_On", "pump motor");

    const SymbolLookup spare = AddressToSymbol(symbols, "I0.0");
    EXPECT_EQ(spare.text, "I0.0");
    EXPECT_EQ(spare.comment, "spare");

    const SymbolLookup motor = AddressToSymbol(symbols, "Q0.1");
    EXPECT_EQ(motor.text, "Motor_On");
    EXPECT_EQ(motor.comment, "pump motor");

    EXPECT_EQ(AddressToSymbol(symbols, "m5.5").text, "m5.5");
}

TEST(SymbolLookup, EmptyTextMatchesNoEmptyCell) {
    TextGrid symbols = MakeSymbolTable();
    AddRow(symbols, 1, "", "", "blank row");
    EXPECT_EQ(SymbolToAddress(symbols, "").comment, "");
    EXPECT_EQ(AddressToSymbol(symbols, "").comment, "");
}

} // namespace
} // namespace vexa
