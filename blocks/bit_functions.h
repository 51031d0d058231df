#pragma once

#include "function_block.h"

namespace vexa {

// NOT, the two edge detectors and the RS flip-flop. Disabled by their EN pin, they force their
// output to false.
class TbNOT final : public TFunction {
public:
    explicit TbNOT(const BlockEnvironment& environment) : TFunction("bNOT", environment) {}
    std::string_view ClassName() const override { return "TbNOT"; }
    void Execute() override;
};

// Rising edge: true in the scan where the input is true and was false at the previous one.
class TbFP final : public TFunction {
public:
    explicit TbFP(const BlockEnvironment& environment) : TFunction("bFP", environment) {}
    std::string_view ClassName() const override { return "TbFP"; }
    void Execute() override;

private:
    bool previous_ = false; // survives the reset
};

class TbFN final : public TFunction {
public:
    explicit TbFN(const BlockEnvironment& environment) : TFunction("bFN", environment) {}
    std::string_view ClassName() const override { return "TbFN"; }
    void Execute() override;

private:
    bool previous_ = false;
};

// Pins R, S, Q: reset first, then set, so set dominates. The state is the value of Q.
class TbRS final : public TFunction {
public:
    explicit TbRS(const BlockEnvironment& environment) : TFunction("bRS", environment) {}
    std::string_view ClassName() const override { return "TbRS"; }
    void Execute() override;
};

} // namespace vexa
