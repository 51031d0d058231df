#pragma once

#include "catalog.h"
#include "text_grid.h"

#include <string_view>

namespace vexa {

// The module catalogue HW.ini gives per module section: ID, Len, Comment and ICON. Its texts,
// like the node texts of HWTree.ini, are code page bytes.

// ID / 10 rounded with halves to even: 1, 2 digital inputs; 3, 4 digital outputs; 5, 6 analogue
// inputs; 7, 8 analogue outputs; any other class uses no area.
int ModuleAreaClass(int id);

// Whether a module of the tree group `group` may be dropped on the hardware grid's row `row`:
// the CPU slot is row 1, the module slots are rows 2 to 9.
bool AcceptModuleDrop(std::string_view group, int row);

// Fills a row with the module's catalogue entry and the I or Q area that its slot owns; a Len of
// 0 leaves the row's Length as it was.
void DropModule(TextGrid& hardware, int row, std::string_view module, const Catalog& hardwareIni);

// The Delete key: empties every cell of the row; the heading row stays.
void ClearHardwareRow(TextGrid& hardware, int row);

// Picture of a tree node in the main window's image list.
int ModuleIcon(const Catalog& hardwareIni, std::string_view node);

} // namespace vexa
