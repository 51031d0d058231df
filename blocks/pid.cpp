#include "pid.h"

#include "numeric.h"

#include <cmath>

namespace vexa {

TpPID::TpPID(const BlockEnvironment& environment) : TFunction("pPID", environment) {}

void TpPID::Execute() {
    // The controller computes in single precision; narrowing makes an input beyond its range a
    // fault, also while the block is disabled.
    const auto single = [this](int pin) { return ToSingle(Value(pin).ToReal()); };
    const float sp = single(kSetpoint);
    const float pv = single(kProcessValue);
    const float kp = single(kGain);
    const float ti = single(kIntegralTime);
    const float td = single(kDerivativeTime);
    const float ts = single(kSampleTime);
    const float high = single(kHighLimit);
    const float low = single(kLowLimit);
    if (!Enabled()) {
        return;
    }

    const float a = ti > 0.0f ? ToSingle(static_cast<double>(kp) * ts / ti) : 0.0f;
    const float b = ts > 0.0f ? ToSingle(static_cast<double>(kp) * td / ts) : 0.0f;
    const double difference = static_cast<double>(sp) - pv;

    if (Value(kManual).IsTrue()) {
        Value(kOut) = Value(kManualValue);
        const float e = ToSingle(difference);
        // Bumpless return to automatic: Kp * E + A * sum then equals the manual output.
        errorSum_ = a > 0.0f ? (Value(kOut).ToReal() - static_cast<double>(kp) * e) / a : 0.0;
        previousPV_ = pv;
        return;
    }

    Value(kError) = PinValue::Real(difference);
    const float e = ToSingle(difference);
    const bool windingUp =
        (Value(kHighFlag).IsTrue() && e > 0.0f) || (Value(kLowFlag).IsTrue() && e < 0.0f);
    if (!windingUp) {
        errorSum_ += e;
    }
    const float u = ToSingle(kp * difference + a * errorSum_ + b * (previousPV_ - pv));
    if (std::fabs(e) > Value(kDeadband).ToReal()) {
        if (u > high) {
            Value(kOut) = PinValue::Real(high);
            Value(kHighFlag) = PinValue::Boolean(true);
        } else if (u < low) {
            Value(kOut) = PinValue::Real(low);
            Value(kLowFlag) = PinValue::Boolean(true);
        } else {
            Value(kOut) = PinValue::Real(u);
            Value(kHighFlag) = PinValue::Boolean(false);
            Value(kLowFlag) = PinValue::Boolean(false);
        }
    }
    previousPV_ = pv;
}

void TpPID::Reset() {
    TFunction::Reset();
    errorSum_ = 0.0;
    previousPV_ = 0.0;
}

} // namespace vexa
