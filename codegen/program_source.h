#pragma once

#include "address_blocks.h"
#include "diagram.h"
#include "text_grid.h"

#include <string>
#include <vector>

namespace vexa {

inline constexpr const char* kSaveBeforeCompile =
    "Please Save File befor compile! (Create folder in english!)";

// The C program of a project: the variables, one routine per function, the event routines and
// main with the module reads and writes of the hardware table.
struct ProgramSource {
    // When refused: the message and the page that holds the first invalid block.
    AddressCheck check;
    std::vector<std::string> lines; // UTF-8, without line ends
};

// Validates every bit, integer and real input and output block (each block runs once, as in
// a start check) and assembles the lines. The pages' execution order is renumbered first, as
// a drawing of each page would, so the program runs the blocks in the simulation's order.
ProgramSource GenerateProgram(const std::vector<TatDiagram*>& pages, const TextGrid& hardware);

// The file's bytes: Windows-1251, every line ended by CR LF.
std::string ProgramFileBytes(const ProgramSource& source);

} // namespace vexa
