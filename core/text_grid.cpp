#include "text_grid.h"

#include "text.h"

#include <algorithm>
#include <array>

namespace vexa {

TextGrid::TextGrid(int columns, int rows)
    : columns_(std::max(columns, 0)), rows_(std::max(rows, 0)),
      cells_(static_cast<std::size_t>(columns_ * rows_)) {}

bool TextGrid::Contains(int column, int row) const {
    return column >= 0 && column < columns_ && row >= 0 && row < rows_;
}

const std::string& TextGrid::Cell(int column, int row) const {
    static const std::string empty;
    return Contains(column, row) ? cells_[static_cast<std::size_t>(row * columns_ + column)]
                                 : empty;
}

void TextGrid::SetCell(int column, int row, std::string text) {
    if (Contains(column, row)) {
        cells_[static_cast<std::size_t>(row * columns_ + column)] = std::move(text);
    }
}

void TextGrid::Clear() {
    for (auto& cell : cells_) {
        cell.clear();
    }
}

void TextGrid::Resize(int columns, int rows) {
    TextGrid resized(columns, rows);
    for (int column = 0; column < std::min(columns, columns_); ++column) {
        for (int row = 0; row < std::min(rows, rows_); ++row) {
            resized.SetCell(column, row,
                            std::move(cells_[static_cast<std::size_t>(row * columns_ + column)]));
        }
    }
    *this = std::move(resized);
}

namespace {

TextGrid MakeTable(int rows, const std::array<const char*, 6>& headings) {
    TextGrid grid(static_cast<int>(headings.size()), rows);
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        grid.SetCell(column, 0, headings[static_cast<std::size_t>(column)]);
    }
    return grid;
}

} // namespace

TextGrid MakeSymbolTable() {
    return MakeTable(300, {"Address", "Symbol", "Comment", "Type", "Value", "Modify"});
}

TextGrid MakeHardwareTable() {
    return MakeTable(10, {"ID", "Module", "Comment", "I area", "Q area", "Length"});
}

// An empty text is no symbol and no address: both lookups give it back with no comment, so an
// empty cell of the table never matches it.
SymbolLookup SymbolToAddress(const TextGrid& symbols, std::string_view text) {
    if (!text.empty()) {
        for (int row = 1; row < symbols.RowCount(); ++row) {
            if (EqualsIgnoringCase(symbols.Cell(SymbolColumn::Symbol, row), text)) {
                return {ToUpperAscii(symbols.Cell(SymbolColumn::Address, row)),
                        symbols.Cell(SymbolColumn::Comment, row)};
            }
        }
    }
    return {ToUpperAscii(text), {}};
}

SymbolLookup AddressToSymbol(const TextGrid& symbols, std::string_view text) {
    if (!text.empty()) {
        for (int row = 1; row < symbols.RowCount(); ++row) {
            if (EqualsIgnoringCase(symbols.Cell(SymbolColumn::Address, row), text)) {
                const std::string& symbol = symbols.Cell(SymbolColumn::Symbol, row);
                return {symbol.empty() ? std::string(text) : symbol,
                        symbols.Cell(SymbolColumn::Comment, row)};
            }
        }
    }
    return {std::string(text), {}};
}

} // namespace vexa
