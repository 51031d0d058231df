#pragma once

#include "block_environment.h"
#include "diagram.h"
#include "inplace_edit.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vexa {

// A probe for the oscilloscope: its one input of any type is remembered at each execution and
// sampled into the trace PenIndex. It exists only on the PC and builds its own pin.
class TOscPen final : public TCustomDiagramBlock {
public:
    static constexpr int kIn = 0;

    // Takes the environment like every block so that the registry can build it; it needs none.
    explicit TOscPen(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TOscPen"; }

    int PenIndex = 1;
    // The input's value at the last execution; empty for a new block.
    PinValue Value;
    InPlaceEdit Editor;

    void Execute() override;
    // Opens the pen number editor while stopped; while simulating the window shows the
    // oscilloscope instead.
    void DoubleClick() override;
    // Applies the editor's text and hides it. Returns the message to show, or an empty text.
    std::string EndEdit();
};

// The trace colour of a pen as 0xRRGGBB; none outside 1 to 8.
std::optional<std::uint32_t> PenTraceColor(int penIndex);

} // namespace vexa
