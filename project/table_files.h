#pragma once

#include "text_grid.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

// Grid table text (Symbol.pdb, HW.pdb): the column count, the row count, then every cell column
// by column from the heading row down, one per line. Cells are UTF-8 here and code page bytes in
// the file.
void SaveGridTable(const TextGrid& grid, const std::filesystem::path& path);
// Empties the grid below the heading row first, so a file that cannot be read (FileError) leaves
// those cells empty; a good file then sets the grid's sizes and every cell.
void LoadGridTable(TextGrid& grid, const std::filesystem::path& path);
// Empties every cell below the heading row; the headings and the sizes stay.
void ClearGrid(TextGrid& grid);

// Indicate.pdb: one display string per line. Display strings are code page bytes already, so
// nothing is converted.
void SaveDisplayStrings(const std::vector<std::string>& strings, const std::filesystem::path& path);
std::vector<std::string> LoadDisplayStrings(const std::filesystem::path& path);

} // namespace vexa
