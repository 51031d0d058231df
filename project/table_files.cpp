#include "table_files.h"

#include "text_file.h"

#include <charconv>
#include <cstdint>
#include <string_view>

namespace vexa {

namespace {

// No grid of the program comes near this; a larger count is a damaged file, not a big table.
constexpr long long kMaxGridCount = 1'000'000;

[[noreturn]] void ThrowFormat(const std::filesystem::path& path, std::string_view reason) {
    throw FileError("\"" + path.string() + "\": " + std::string(reason));
}

int ReadCount(const std::vector<std::string>& lines, std::size_t index,
              const std::filesystem::path& path) {
    if (index >= lines.size()) {
        ThrowFormat(path, "the file ends early");
    }
    const std::string& line = lines[index];
    long long count = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), count);
    if (line.empty() || error != std::errc() || end != line.data() + line.size()) {
        ThrowFormat(path, "line " + std::to_string(index + 1) + " is not a number");
    }
    if (count < 0 || count > kMaxGridCount) {
        ThrowFormat(path, "line " + std::to_string(index + 1) + " is no possible count");
    }
    return static_cast<int>(count);
}

} // namespace

void SaveGridTable(const TextGrid& grid, const std::filesystem::path& path) {
    std::vector<std::string> lines;
    lines.reserve(2 + static_cast<std::size_t>(grid.ColumnCount() * grid.RowCount()));
    lines.push_back(std::to_string(grid.ColumnCount()));
    lines.push_back(std::to_string(grid.RowCount()));
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        for (int row = 0; row < grid.RowCount(); ++row) {
            lines.push_back(Utf8ToCp1251(grid.Cell(column, row)));
        }
    }
    WriteFileAtomic(path, JoinLinesCrLf(lines));
}

void LoadGridTable(TextGrid& grid, const std::filesystem::path& path) {
    ClearGrid(grid);
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(path));
    const int columns = ReadCount(lines, 0, path);
    const int rows = ReadCount(lines, 1, path);
    // Checked before the grid changes, so a short file leaves the emptied grid as it is.
    if (static_cast<std::int64_t>(columns) * rows > static_cast<std::int64_t>(lines.size()) - 2) {
        ThrowFormat(path, "the file ends early");
    }
    grid.Resize(columns, rows);
    auto line = lines.begin() + 2;
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            grid.SetCell(column, row, Cp1251ToUtf8(*line++));
        }
    }
}

void ClearGrid(TextGrid& grid) {
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        for (int row = 1; row < grid.RowCount(); ++row) {
            grid.SetCell(column, row, {});
        }
    }
}

void SaveDisplayStrings(const std::vector<std::string>& strings,
                        const std::filesystem::path& path) {
    WriteFileAtomic(path, JoinLinesCrLf(strings));
}

std::vector<std::string> LoadDisplayStrings(const std::filesystem::path& path) {
    return SplitLines(ReadFileBytes(path));
}

} // namespace vexa
