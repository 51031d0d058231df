#include "block_test_support.h"
#include "fault.h"
#include "pid.h"

#include <gtest/gtest.h>

#include <utility>

namespace vexa {
namespace {

struct PidInputs {
    double sp = 10;
    double pv = 4;
    double deadband = 0;
    double kp = 2;
    double ti = 0;
    double td = 0;
    double ts = 0;
    double manualValue = 0;
    bool manual = false;
    double high = 100;
    double low = -100;
};

// A PID block fed with real inputs; the manual pin stays unlinked (integer 0) unless set.
struct PidRig {
    test::BlockBench bench;
    TpPID pid{bench.environment};
    PidInputs in;

    PinValue& Pin(int index) { return pid.Pins()[static_cast<std::size_t>(index)].AnchorValue; }

    void Sample() {
        const std::pair<int, double> reals[] = {
            {TpPID::kSetpoint, in.sp},       {TpPID::kProcessValue, in.pv},
            {TpPID::kDeadband, in.deadband}, {TpPID::kGain, in.kp},
            {TpPID::kIntegralTime, in.ti},   {TpPID::kDerivativeTime, in.td},
            {TpPID::kSampleTime, in.ts},     {TpPID::kManualValue, in.manualValue},
            {TpPID::kHighLimit, in.high},    {TpPID::kLowLimit, in.low},
        };
        for (const auto& [pin, value] : reals) {
            Pin(pin) = PinValue::Real(value);
        }
        if (in.manual) {
            Pin(TpPID::kManual) = PinValue::Boolean(true);
        } else if (Pin(TpPID::kManual).IsTrue()) {
            Pin(TpPID::kManual) = PinValue::Boolean(false);
        }
        pid.Execute();
    }

    double Out() { return Pin(TpPID::kOut).RealValue(); }
    bool High() { return Pin(TpPID::kHighFlag).IsTrue(); }
    bool Low() { return Pin(TpPID::kLowFlag).IsTrue(); }
};

TEST(Pid, ProportionalOnly) {
    PidRig rig;
    rig.Sample();
    EXPECT_EQ(rig.Pin(TpPID::kOut), PinValue::Real(12));
    EXPECT_EQ(rig.Pin(TpPID::kError), PinValue::Real(6));
    EXPECT_EQ(rig.Pin(TpPID::kHighFlag), PinValue::Boolean(false));
    EXPECT_EQ(rig.Pin(TpPID::kLowFlag), PinValue::Boolean(false));
}

TEST(Pid, IntegralGrowsByTheErrorEachSample) {
    PidRig rig;
    rig.in.ti = 1;
    rig.in.ts = 1;
    rig.Sample();
    EXPECT_EQ(rig.Out(), 24);
    rig.Sample();
    EXPECT_EQ(rig.Out(), 36);
}

TEST(Pid, HighLimitFlagStopsTheIntegralWindingUp) {
    PidRig rig;
    rig.in.ti = 1;
    rig.in.ts = 1;
    rig.in.high = 20;
    for (int sample = 0; sample < 4; ++sample) {
        rig.Sample();
        EXPECT_EQ(rig.Out(), 20);
        EXPECT_TRUE(rig.High());
        EXPECT_FALSE(rig.Low());
    }
    // The flag is still set for this sample, so the sum is still 6: 12 + 2 * 6.
    rig.in.high = 100;
    rig.Sample();
    EXPECT_EQ(rig.Out(), 24);
    EXPECT_FALSE(rig.High());
}

TEST(Pid, EachClampSetsOnlyItsOwnFlag) {
    PidRig rig;
    rig.in.high = 10;
    rig.Sample();
    EXPECT_EQ(rig.Out(), 10);
    EXPECT_TRUE(rig.High());

    rig.in.sp = -100; // U = 2 * -104
    rig.Sample();
    EXPECT_EQ(rig.Out(), -100);
    EXPECT_TRUE(rig.Low());
    EXPECT_TRUE(rig.High());

    rig.in.sp = 10;
    rig.in.high = 100;
    rig.Sample();
    EXPECT_EQ(rig.Out(), 12);
    EXPECT_FALSE(rig.High());
    EXPECT_FALSE(rig.Low());
}

TEST(Pid, DeadbandHoldsTheOutputWhileTheSumGrows) {
    PidRig rig;
    rig.Sample();
    rig.in.pv = 10;
    rig.Sample();
    EXPECT_EQ(rig.Out(), 12);
    EXPECT_EQ(rig.Pin(TpPID::kError), PinValue::Real(0));

    PidRig integral;
    integral.in.ti = 1;
    integral.in.ts = 1;
    integral.in.deadband = 5;
    integral.in.pv = 6; // error 4, inside the deadband
    integral.Sample();
    EXPECT_EQ(integral.Pin(TpPID::kOut), PinValue::ResetZero());
    integral.in.pv = 4; // error 6: 12 + 2 * (4 + 6)
    integral.Sample();
    EXPECT_EQ(integral.Out(), 32);
}

TEST(Pid, DerivativeActsOnTheMeasurementOnly) {
    PidRig rig;
    rig.in.kp = 1;
    rig.in.td = 1;
    rig.in.ts = 1;
    rig.Sample(); // previous PV 0 after creation: 6 + (0 - 4)
    EXPECT_EQ(rig.Out(), 2);
    rig.in.pv = 5; // 5 + (4 - 5)
    rig.Sample();
    EXPECT_EQ(rig.Out(), 4);
    rig.in.sp = 20; // a setpoint step gives no derivative kick
    rig.Sample();
    EXPECT_EQ(rig.Out(), 15);
}

TEST(Pid, ManualTracksTheErrorSumForABumplessReturn) {
    PidRig rig;
    rig.in.ti = 1;
    rig.in.ts = 1;
    rig.in.manual = true;
    rig.in.manualValue = 50;
    rig.Sample();
    EXPECT_EQ(rig.Pin(TpPID::kOut), PinValue::Real(50));
    EXPECT_EQ(rig.Pin(TpPID::kError), PinValue::ResetZero());
    EXPECT_EQ(rig.Pin(TpPID::kHighFlag), PinValue::ResetZero());

    rig.in.manual = false; // sum (50 - 12) / 2 = 19, then + 6
    rig.Sample();
    EXPECT_EQ(rig.Out(), 62);
}

TEST(Pid, ManualWithoutIntegralClearsTheSum) {
    PidRig rig;
    rig.in.ti = 1;
    rig.in.ts = 1;
    rig.Sample();
    rig.Sample(); // sum 12
    rig.in.ti = 0;
    rig.in.manual = true;
    rig.Sample();
    rig.in.ti = 1;
    rig.in.manual = false;
    rig.Sample();
    EXPECT_EQ(rig.Out(), 24);
}

TEST(Pid, DisabledChangesNothingInEitherMode) {
    PidRig rig;
    rig.in.ti = 1;
    rig.in.td = 1;
    rig.in.ts = 1;
    rig.pid.SetEN(true);
    const int enPin = 15;
    const int enoPin = 16;
    rig.Pin(enPin) = PinValue::Boolean(true);
    rig.Sample(); // 12 + 2 * 6 + 2 * (0 - 4)
    ASSERT_EQ(rig.Out(), 16);

    rig.Pin(enPin) = PinValue::Boolean(false);
    for (const bool manual : {false, true}) {
        rig.in.manual = manual;
        rig.in.manualValue = 50;
        rig.in.pv = 0;
        rig.Sample();
        EXPECT_EQ(rig.Out(), 16);
        EXPECT_EQ(rig.Pin(TpPID::kError), PinValue::Real(6));
        EXPECT_EQ(rig.Pin(enoPin), PinValue::Boolean(false));
    }
    rig.Pin(enPin) = PinValue::Boolean(true);
    rig.in.manual = false;
    rig.in.pv = 4; // sum and previous PV untouched: 12 + 2 * 12 + 2 * (4 - 4)
    rig.Sample();
    EXPECT_EQ(rig.Out(), 36);
}

TEST(Pid, ResetClearsSumAndPreviousPV) {
    PidRig rig;
    rig.in = {.ti = 1, .td = 1, .ts = 1};
    rig.Sample();
    const double first = rig.Out();
    rig.Sample();
    rig.pid.Reset();
    rig.Sample();
    EXPECT_EQ(rig.Out(), first);
}

TEST(Pid, ComputesInSinglePrecision) {
    PidRig rig;
    rig.in.sp = 0.1;
    rig.in.pv = 0;
    rig.in.kp = 1;
    rig.Sample();
    EXPECT_EQ(rig.Out(), static_cast<double>(0.1f));
    EXPECT_EQ(rig.Pin(TpPID::kError), PinValue::Real(static_cast<double>(0.1f)));
}

TEST(Pid, BeyondSinglePrecisionIsAFault) {
    struct Case {
        const char* what;
        PidInputs in;
        bool enabled;
    };
    const Case cases[] = {
        {"input, even while disabled", {.sp = 1e39}, false},
        {"output", {.kp = 1e38}, true},
        {"coefficient", {.kp = 1e30, .ti = 1e-20, .ts = 1e20}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PidRig rig;
        rig.pid.SetEN(true);
        rig.Pin(15) = PinValue::Boolean(c.enabled);
        rig.in = c.in;
        try {
            rig.Sample();
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_STREQ(fault.what(), kFloatOverflow);
        }
    }
}

} // namespace
} // namespace vexa
