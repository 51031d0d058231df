#pragma once

#include "diagram.h"

#include <string>
#include <vector>

namespace vexa {

// The body lines of one function's C routine: for every block in execution order its call
// (or constant assignment), then the copies along the links on its output pins.
std::vector<std::string> EmitFunctionBody(const TatDiagram& page);

// The block's control identifier, or its class name when none was set.
std::string ControlIdentifier(const TCustomDiagramBlock& block);

} // namespace vexa
