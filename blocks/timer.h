#pragma once

#include "function_block.h"

#include <string_view>

namespace vexa {

// The letters drawn on a timer for its mode: "SP", "SE", "SD", "SF"; empty for any other code.
std::string_view TimerModeLetters(int mode);

// Pulse, extended pulse, on-delay and off-delay timer on the clock, not on the scan count.
class TpTimer final : public TFunction {
public:
    enum TimerMode : int { SP = 0, SE = 1, SD = 2, SF = 3 };

    static constexpr int kStart = 0;
    static constexpr int kTime = 1;
    static constexpr int kQ = 2;
    static constexpr int kRemaining = 3;
    // One time unit in days of the clock: 0.0999648 s.
    static constexpr double kTimeUnitDays = 1.157e-6;

    explicit TpTimer(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpTimer"; }

    void Execute() override;
    // The deadline survives, so a timing still running at a stop goes on after a restart.
    void Reset() override;

    int Mode = SP;

private:
    bool previousInput_ = false;
    double deadline_ = 0.0;
};

} // namespace vexa
