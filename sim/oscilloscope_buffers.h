#pragma once

#include "diagram.h"

#include <array>
#include <cstddef>
#include <vector>

namespace vexa {

// The oscilloscope's rolling sample buffers: 2001 samples for each of the eight pens, index 0
// the oldest and 2000 the newest. All samples start at 0.
class OscilloscopeBuffers {
public:
    static constexpr int kPenCount = 8;
    static constexpr std::size_t kSampleCount = 2001;

    void Clear();
    // One tick: every pen block with a pen number 1 to 8 pushes its value into that pen's
    // buffer, pages in order and blocks in block order, up to the first page without a diagram.
    void Sample(const std::vector<TatDiagram*>& pages);

    // Sample index (0 oldest) of pen 1 to 8.
    double At(int pen, std::size_t index) const;
    // The pen's samples from the oldest to the newest.
    std::vector<double> Samples(int pen) const;

private:
    // Each pen's storage is a ring: head is where its oldest sample lies, so a push overwrites
    // it and moves head on instead of shifting 2000 values.
    struct Ring {
        std::array<double, kSampleCount> samples{};
        std::size_t head = 0;
    };

    void Push(int pen, double value);
    const Ring& RingOf(int pen) const;

    std::array<Ring, kPenCount> rings_;
};

} // namespace vexa
