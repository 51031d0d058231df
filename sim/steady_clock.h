#pragma once

#include "clock.h"

#include <chrono>

namespace vexa {

// Wall time for the timer blocks while the simulation runs in real time. It counts from an
// arbitrary start and neither wraps at midnight nor follows changes of the PC's clock.
class SteadyClock : public Clock {
public:
    double NowDays() const override {
        const std::chrono::duration<double, std::ratio<86400>> days =
            std::chrono::steady_clock::now().time_since_epoch();
        return days.count();
    }
};

} // namespace vexa
