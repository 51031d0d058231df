#include "block_test_support.h"
#include "timer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vexa {
namespace {

PinValue Remaining(std::int64_t units) {
    return PinValue::Integer(units, IntWidth::S64);
}

// A timer on its own test clock.
struct TimerRig {
    test::BlockBench bench;
    TpTimer timer{bench.environment};

    explicit TimerRig(int mode, PinValue time = PinValue::Integer(10)) {
        timer.Mode = mode;
        Pin(TpTimer::kTime) = time;
    }

    PinValue& Pin(int index) { return timer.Pins()[static_cast<std::size_t>(index)].AnchorValue; }

    void ScanAt(double ms, bool input) {
        bench.clock.SetMs(ms);
        Pin(TpTimer::kStart) = PinValue::Boolean(input);
        timer.Execute();
    }

    void ExpectOutputs(bool q, std::int64_t remaining) {
        EXPECT_EQ(Pin(TpTimer::kQ), PinValue::Boolean(q));
        EXPECT_EQ(Pin(TpTimer::kRemaining), Remaining(remaining));
    }
};

struct Step {
    double ms;
    std::int64_t time;
    bool input;
    bool q;
    std::int64_t remaining;
};

struct ModeScript {
    int mode;
    std::vector<Step> steps;
};

// One unit is 99.9648 ms, so a time value of 10 ends 999.648 ms after the starting scan.
TEST(Timer, ModesFollowTheClock) {
    const ModeScript scripts[] = {
        {TpTimer::SP,
         {
             {0, 10, true, true, 10},
             {500, 50, true, true, 5}, // a running timing ignores a new time value
             {1000, 10, true, false, 0},
             {1100, 10, false, false, 0},
             {1200, 10, true, true, 10},
             {1300, 10, false, false, 0}, // the fall cancels
         }},
        {TpTimer::SE,
         {
             {0, 10, true, true, 10},
             {100, 10, false, true, 9},
             {500, 10, true, true, 10}, // retriggered: the full time again
             {600, 10, false, true, 9},
             {1400, 10, false, true, 1},
             {1500, 10, false, false, 0},
         }},
        {TpTimer::SD,
         {
             {0, 10, true, false, 10},
             {500, 10, true, false, 5},
             {600, 10, false, false, 0}, // shorter than the time: never on
             {700, 10, true, false, 10},
             {1600, 10, true, false, 1},
             {1700, 10, true, true, 0},
             {1800, 10, false, false, 0},
         }},
        {TpTimer::SF,
         {
             {0, 10, true, true, 0},
             {100, 10, false, true, 10},
             {600, 10, false, true, 5},
             {700, 10, true, true, 0}, // the rise cancels, the input keeps Q on
             {800, 10, false, true, 10},
             {1700, 10, false, true, 1},
             {1800, 10, false, false, 0},
         }},
    };
    for (const ModeScript& script : scripts) {
        TimerRig rig(script.mode);
        for (const Step& step : script.steps) {
            SCOPED_TRACE(testing::Message()
                         << "mode " << script.mode << " at " << step.ms << " ms");
            rig.Pin(TpTimer::kTime) = PinValue::Integer(step.time);
            rig.ScanAt(step.ms, step.input);
            rig.ExpectOutputs(step.q, step.remaining);
        }
    }
}

TEST(Timer, ZeroOrNegativeTimeEndsAtTheStartingScan) {
    struct Case {
        int mode;
        bool qWhileOn;
    };
    const Case cases[] = {
        {TpTimer::SP, false},
        {TpTimer::SE, false},
        {TpTimer::SD, true},
        {TpTimer::SF, true},
    };
    for (const std::int64_t time : {0, -5}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "mode " << c.mode << " time " << time);
            TimerRig rig(c.mode, PinValue::Integer(time));
            rig.ScanAt(10, true);
            rig.ExpectOutputs(c.qWhileOn, 0);
            rig.ScanAt(20, false);
            rig.ExpectOutputs(false, 0);
        }
    }
}

TEST(Timer, PulseLengthSeenWithTheScanResolution) {
    struct Case {
        PinValue time;
        double stepMs;
        int executionsOn;
    };
    const Case cases[] = {
        {PinValue::Integer(10), 10, 100},
        {PinValue::Real(10.0), 100, 10},
        {PinValue::Integer(10), 1000, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.stepMs << " ms");
        TimerRig rig(TpTimer::SP, c.time);
        int on = 0;
        for (double ms = 3600000; ms < 3603000; ms += c.stepMs) {
            rig.ScanAt(ms, true);
            on += rig.Pin(TpTimer::kQ).IsTrue() ? 1 : 0;
        }
        EXPECT_EQ(on, c.executionsOn);
    }
}

TEST(Timer, DisabledForcesQOffAndFreezesTheRest) {
    TimerRig rig(TpTimer::SE);
    rig.timer.SetEN(true);
    const int enPin = 4;
    const int enoPin = 5;
    struct EnStep {
        double ms;
        bool enabled;
        bool input;
        bool q;
        std::int64_t remaining;
    };
    const EnStep steps[] = {
        {0, true, true, true, 10},
        {300, true, false, true, 7},
        {400, false, false, false, 7}, // the remaining time keeps its last value
        {500, false, true, false, 7},  // a pulse inside the disabled period...
        {600, false, false, false, 7},
        {700, true, false, true, 3}, // ...is not seen; the old timing runs on
        {800, false, true, false, 3},
        {900, true, true, true, 10}, // compared with the input from before the disabled scan
    };
    for (const EnStep& step : steps) {
        SCOPED_TRACE(testing::Message() << "at " << step.ms << " ms");
        rig.Pin(enPin) = PinValue::Boolean(step.enabled);
        rig.ScanAt(step.ms, step.input);
        EXPECT_EQ(rig.Pin(enoPin), PinValue::Boolean(step.enabled));
        rig.ExpectOutputs(step.q, step.remaining);
    }
}

TEST(Timer, ResetClearsPinsAndPreviousInputButKeepsTheDeadline) {
    TimerRig rig(TpTimer::SE);
    rig.ScanAt(0, true);

    rig.timer.Reset();
    for (const TLinkPoint& pin : rig.timer.Pins()) {
        EXPECT_EQ(pin.AnchorValue, PinValue::ResetZero());
    }
    rig.Pin(TpTimer::kTime) = PinValue::Integer(10);
    rig.ScanAt(200, false);
    rig.ExpectOutputs(true, 8);

    rig.ScanAt(300, true);
    rig.timer.Reset();
    rig.Pin(TpTimer::kTime) = PinValue::Integer(10);
    rig.ScanAt(500, true); // a true input on the first scan after a reset is a rising edge
    rig.ExpectOutputs(true, 10);
}

} // namespace
} // namespace vexa
