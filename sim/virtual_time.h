#pragma once

#include "clock.h"
#include "scan_engine.h"
#include "tick_scheduler.h"

namespace vexa {

// Time that moves only when told to: the timers of the blocks read it, so a run of any length is
// deterministic and takes only the time its scans need.
class VirtualClock : public Clock {
public:
    double NowDays() const override { return ms_ / 86400000.0; }
    double Ms() const { return ms_; }
    void SetMs(double ms) { ms_ = ms; }

private:
    double ms_ = 0.0;
};

// Drives a scan engine in virtual time: the start (with its start-up functions) at 0, then every
// tick due up to a given instant, each at its own instant of the clock.
class VirtualTimeDriver {
public:
    VirtualTimeDriver(ScanEngine& engine, VirtualClock& clock);

    // Starts the simulation at the clock's current time; false when it was refused.
    bool Start();
    // Runs every tick due up to and including `ms` and leaves the clock at `ms`. Returns false
    // once the simulation has stopped.
    bool AdvanceTo(double ms) { return Advance(ms, true); }
    // Runs the ticks due strictly before `ms` and leaves the clock at `ms`, so that what happens
    // at `ms` comes before that instant's ticks.
    bool AdvanceBefore(double ms) { return Advance(ms, false); }

private:
    bool Advance(double ms, bool inclusive);

    ScanEngine& engine_;
    VirtualClock& clock_;
    TickScheduler scheduler_;
};

} // namespace vexa
