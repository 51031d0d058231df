#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// A fixed grid of text cells addressed as (column, row); row 0 holds the headings.
class TextGrid {
public:
    TextGrid(int columns, int rows);

    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }
    // Cells outside the grid read as empty and ignore writes.
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string text);
    void Clear();
    // New sizes; cells inside both the old and the new sizes keep their text.
    void Resize(int columns, int rows);

    friend bool operator==(const TextGrid&, const TextGrid&) = default;

private:
    bool Contains(int column, int row) const;

    int columns_;
    int rows_;
    std::vector<std::string> cells_;
};

namespace SymbolColumn {
inline constexpr int Address = 0, Symbol = 1, Comment = 2, Type = 3, Value = 4, Modify = 5;
}

namespace HardwareColumn {
inline constexpr int Id = 0, Module = 1, Comment = 2, InputArea = 3, OutputArea = 4, Length = 5;
}

// The symbol table: 6 columns by 300 rows with its headings.
TextGrid MakeSymbolTable();
// The hardware table: 6 columns by 10 rows (headings, the CPU slot, eight module slots).
TextGrid MakeHardwareTable();

struct SymbolLookup {
    std::string text; // the address (SymbolToAddress) or the display text (AddressToSymbol)
    std::string comment;
};

// Resolves a symbol name to its address; a text that is no symbol comes back upper-cased.
SymbolLookup SymbolToAddress(const TextGrid& symbols, std::string_view text);
// Finds the symbol of an address; without one the text comes back unchanged.
SymbolLookup AddressToSymbol(const TextGrid& symbols, std::string_view text);

} // namespace vexa
