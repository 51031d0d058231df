#pragma once

#include "diagram.h"

#include <cstdint>

namespace vexa {

// The key of a block's position: bands of 250 units from the top, then steps of 10 units from
// the left, each quotient truncated toward zero.
std::int64_t PositionKey(const TCustomDiagramBlock& block);

// Gives every block of the page a unique Tag from its position, in block-list order (a key taken
// by any other block, also by a later block's previous tag, moves on by one), then ranks the tags
// into OrderNumber.
void AssignExecutionOrder(TatDiagram& page);

// The last block in list order that carries the tag; null when none does.
TCustomDiagramBlock* BlockByTag(const TatDiagram& page, std::int64_t tag);

// What runs before a block is drawn: the symbol switch reaches every block, the execution order
// is recomputed, and a negative position is put back to 0.
void BeforeDrawBlock(TatDiagram& page, TCustomDiagramBlock& block, bool symbolSwitch);

} // namespace vexa
