#pragma once

#include "function_block.h"

namespace vexa {

// Discrete PID controller, one sample per execution: derivative on the process value, output
// limits whose flags stop the integral from winding up, a deadband that holds the output, and
// a manual mode that sets the error sum so that switching back to automatic is bumpless.
class TpPID final : public TFunction {
public:
    static constexpr int kSetpoint = 0;
    static constexpr int kProcessValue = 1;
    static constexpr int kDeadband = 2;
    static constexpr int kGain = 3;
    static constexpr int kIntegralTime = 4;
    static constexpr int kDerivativeTime = 5;
    static constexpr int kSampleTime = 6;
    static constexpr int kManualValue = 7;
    static constexpr int kManual = 8;
    static constexpr int kHighLimit = 9;
    static constexpr int kLowLimit = 10;
    static constexpr int kOut = 11;
    static constexpr int kError = 12;
    static constexpr int kHighFlag = 13;
    static constexpr int kLowFlag = 14;

    explicit TpPID(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpPID"; }

    void Execute() override;
    void Reset() override;

private:
    double errorSum_ = 0.0;
    double previousPV_ = 0.0;
};

} // namespace vexa
