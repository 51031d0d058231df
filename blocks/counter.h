#pragma once

#include "function_block.h"

namespace vexa {

// Up/down counter on the rising edges of its two count inputs, between 0 and 32767 while
// counting; set loads the preset unchecked and reset clears it.
class TpCOUNT final : public TFunction {
public:
    static constexpr int kUp = 0;
    static constexpr int kDown = 1;
    static constexpr int kSet = 2;
    static constexpr int kPreset = 3;
    static constexpr int kReset = 4;
    static constexpr int kQ = 5;
    static constexpr int kCount = 6;

    explicit TpCOUNT(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TpCOUNT"; }

    void Execute() override;

private:
    bool previousUp_ = false;
    bool previousDown_ = false;
};

} // namespace vexa
