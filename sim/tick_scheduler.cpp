#include "tick_scheduler.h"

#include <algorithm>

namespace vexa {

void TickScheduler::Start(double nowMs) {
    for (Timer& timer : timers_) {
        timer.dueMs = nowMs + timer.intervalMs;
    }
}

double TickScheduler::NextDueMs() const {
    double next = timers_[0].dueMs;
    for (const Timer& timer : timers_) {
        next = std::min(next, timer.dueMs);
    }
    return next;
}

} // namespace vexa
