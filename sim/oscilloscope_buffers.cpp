#include "oscilloscope_buffers.h"

#include "osc_pen.h"

#include <stdexcept>

namespace vexa {

void OscilloscopeBuffers::Clear() {
    for (Ring& ring : rings_) {
        ring.samples.fill(0.0);
        ring.head = 0;
    }
}

void OscilloscopeBuffers::Sample(const std::vector<TatDiagram*>& pages) {
    for (const TatDiagram* page : pages) {
        if (page == nullptr) {
            return;
        }
        for (std::size_t i = 0; i < page->BlockCount(); ++i) {
            const auto* pen = dynamic_cast<const TOscPen*>(&page->Block(i));
            if (pen != nullptr && pen->PenIndex >= 1 && pen->PenIndex <= kPenCount) {
                Push(pen->PenIndex, pen->Value.ToReal());
            }
        }
    }
}

double OscilloscopeBuffers::At(int pen, std::size_t index) const {
    if (index >= kSampleCount) {
        throw std::out_of_range("oscilloscope sample index");
    }
    const Ring& ring = RingOf(pen);
    return ring.samples[(ring.head + index) % kSampleCount];
}

std::vector<double> OscilloscopeBuffers::Samples(int pen) const {
    const Ring& ring = RingOf(pen);
    std::vector<double> ordered(ring.samples.begin() + static_cast<std::ptrdiff_t>(ring.head),
                                ring.samples.end());
    ordered.insert(ordered.end(), ring.samples.begin(),
                   ring.samples.begin() + static_cast<std::ptrdiff_t>(ring.head));
    return ordered;
}

void OscilloscopeBuffers::Push(int pen, double value) {
    Ring& ring = rings_[static_cast<std::size_t>(pen - 1)];
    ring.samples[ring.head] = value;
    ring.head = (ring.head + 1) % kSampleCount;
}

const OscilloscopeBuffers::Ring& OscilloscopeBuffers::RingOf(int pen) const {
    return rings_.at(static_cast<std::size_t>(pen - 1));
}

} // namespace vexa
