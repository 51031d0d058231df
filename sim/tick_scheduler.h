#pragma once

#include <array>

namespace vexa {

// The three scan timers: free cycle every 10 ms, the 100 ms and the 1 s events. Ticks due at
// one instant run in that order. A late tick delays the next one: ticks never pile up.
class TickScheduler {
public:
    struct Timer {
        int event;
        double intervalMs;
        double dueMs;
    };

    // Starts the timers at `nowMs`: each first falls due one interval later.
    void Start(double nowMs);
    // The earliest instant at which a tick falls due.
    double NextDueMs() const;
    // Calls run(event) for every timer due at `nowMs`, in timer order, and schedules each
    // timer's next tick.
    template <class Run> void RunDue(double nowMs, Run&& run) {
        for (Timer& timer : timers_) {
            if (timer.dueMs <= nowMs) {
                run(timer.event);
                timer.dueMs += timer.intervalMs;
                if (timer.dueMs <= nowMs) {
                    timer.dueMs = nowMs + timer.intervalMs;
                }
            }
        }
    }

private:
    std::array<Timer, 3> timers_{{{0, 10.0, 0.0}, {2, 100.0, 0.0}, {3, 1000.0, 0.0}}};
};

} // namespace vexa
