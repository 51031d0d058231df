#pragma once

#include "address_blocks.h"

namespace vexa {

// What a numeric block reads and writes: signed integers, unsigned words or reals.
enum class NumericKind : std::uint8_t { Integer, Word, Real };

// The numeric input and output blocks: numeric addresses for integers and words, real
// addresses for reals.
class TNumericBlock : public TAddressBlock {
public:
    NumericKind Kind() const { return kind_; }
    const char* StartCheckMessage() const override;

protected:
    TNumericBlock(const BlockEnvironment& environment, NumericKind kind, bool input,
                  std::string hint);

    // The block's reader on StrAddress, as the value its pin carries.
    ReadResult<PinValue> ReadValue() const;
    AccessStatus ProbeAddress() const override;
    AccessStatus WriteTyped(const std::string& upperText) override;

private:
    NumericKind kind_;
};

// Reads its address (or takes its constant) onto the output pin.
class TNumericInput : public TNumericBlock {
public:
    void Execute() override;
    // While simulating: opens the editor with the value read, unless the text is a constant.
    void DoubleClick() override;

protected:
    TNumericInput(const BlockEnvironment& environment, NumericKind kind, std::string hint);
};

// Writes its input while InputEnabled, then shows what memory holds on the input pin.
class TNumericOutput : public TNumericBlock {
public:
    void Execute() override;
    void DoubleClick() override;

protected:
    TNumericOutput(const BlockEnvironment& environment, NumericKind kind, std::string hint);
};

class TiIN final : public TNumericInput {
public:
    explicit TiIN(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TiIN"; }

protected:
    // The integer input block refreshes its display text only when drawn.
    void SymbolChanged() override {}
};

class TwIN final : public TNumericInput {
public:
    explicit TwIN(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TwIN"; }
};

class TrIN final : public TNumericInput {
public:
    explicit TrIN(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TrIN"; }
};

class TiOUT final : public TNumericOutput {
public:
    explicit TiOUT(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TiOUT"; }
};

class TwOUT final : public TNumericOutput {
public:
    explicit TwOUT(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TwOUT"; }
};

class TrOUT final : public TNumericOutput {
public:
    explicit TrOUT(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TrOUT"; }
};

} // namespace vexa
