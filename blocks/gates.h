#pragma once

#include "block_environment.h"
#include "diagram.h"

namespace vexa {

// AND and OR with two to four boolean inputs: pin 0 is OUT, pins 1 to Num the inputs.
class TGate : public TCustomDiagramBlock {
public:
    static constexpr int kMinInputs = 2;
    static constexpr int kMaxInputs = 4;

    int Num() const { return num_; }
    // A value above four changes nothing; otherwise the height and the pins follow.
    void SetNum(int value);
    // The editor's "Add" and "Remove".
    void AddInput() { SetNum(num_ + 1); }
    void RemoveInput();

protected:
    TGate();

private:
    void RebuildPins();

    int num_ = kMinInputs;
};

class TbAND final : public TGate {
public:
    explicit TbAND(const BlockEnvironment&) {}
    std::string_view ClassName() const override { return "TbAND"; }
    void Execute() override;
};

class TbOR final : public TGate {
public:
    explicit TbOR(const BlockEnvironment&) {}
    std::string_view ClassName() const override { return "TbOR"; }
    void Execute() override;
};

} // namespace vexa
