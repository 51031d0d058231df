#pragma once

#include "catalog.h"
#include "clock.h"
#include "display_output.h"
#include "process_image.h"
#include "text_grid.h"

namespace vexa {

// What blocks reach outside themselves: the block catalogue, the process image, the symbol
// table, the clock of the timers and the operator panel. All of it outlives the blocks.
struct BlockEnvironment {
    const Catalog* catalog = nullptr;
    ProcessImage* memory = nullptr;
    const TextGrid* symbols = nullptr;
    const Clock* clock = nullptr;
    DisplayOutput* display = nullptr;
};

} // namespace vexa
