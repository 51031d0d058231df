#include "generator.h"

#include <cmath>

namespace vexa {

namespace {

// Deliberately 6.28, not 2 pi: phase 1 gives sin(6.28) = -0.0031853, not 0.
constexpr double kSineFactor = 6.28;

} // namespace

TpGEN::TpGEN(const BlockEnvironment& environment) : TFunction("pGEN", environment) {}

void TpGEN::Execute() {
    // Without a usable N the block is inert, ENO included.
    if (NumericLess(Value(kSteps), PinValue::Integer(1))) {
        return;
    }
    if (!Enabled()) {
        return;
    }
    if (phase_ < 1.0) {
        phase_ += 1.0 / Value(kSteps).ToReal();
    } else {
        phase_ = 0.0;
    }
    switch (Value(kWave).ToInt32()) {
    case 0:
        Value(kOut) = PinValue::Real(std::sin(kSineFactor * phase_));
        break;
    case 1:
        Value(kOut) = PinValue::Integer(phase_ > 0.5 ? 1 : 0);
        break;
    default:
        break;
    }
}

} // namespace vexa
