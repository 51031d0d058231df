#pragma once

#include "function_block.h"

namespace vexa {

// Sine or square wave whose period is counted in executions: the phase advances by 1 / N per
// execution and returns to 0 once it has reached 1.
class TpGEN final : public TFunction {
public:
    static constexpr int kWave = 0;
    static constexpr int kSteps = 1;
    static constexpr int kOut = 2;

    explicit TpGEN(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpGEN"; }

    void Execute() override;

private:
    double phase_ = 0.0;
};

} // namespace vexa
