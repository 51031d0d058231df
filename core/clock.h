#pragma once

namespace vexa {

// The time source of the timer blocks, in days. Implementations must neither wrap at midnight
// nor jump with the PC's clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double NowDays() const = 0;
};

} // namespace vexa
