#pragma once

#include "block_environment.h"
#include "diagram.h"

#include <memory>
#include <span>
#include <string_view>

namespace vexa {

// The category a block class is registered under.
enum class BlockCategory : std::uint8_t { Electric, FunctionBlock };

struct BlockClass {
    std::string_view name;
    BlockCategory category;
    std::unique_ptr<TCustomDiagramBlock> (*create)(const BlockEnvironment& environment);
};

// Every registered block class, in catalogue order.
std::span<const BlockClass> BlockClasses();
// The class named without regard to letter case; null when none is.
const BlockClass* FindBlockClass(std::string_view name);
// A new block of the named class; null when no class has that name.
std::unique_ptr<TCustomDiagramBlock> CreateBlock(std::string_view name,
                                                 const BlockEnvironment& environment);

} // namespace vexa
