#pragma once

#include "block_environment.h"
#include "diagram.h"
#include "fault.h"
#include "inplace_edit.h"

#include <string>
#include <vector>

namespace vexa {

// The common part of the input and output blocks: the address text, its symbol and comment,
// the status of the last access and the in-place editor of the address.
class TAddressBlock : public TCustomDiagramBlock {
public:
    // The address or constant, after symbol resolution.
    std::string StrAddress;
    InPlaceEdit Editor;

    AccessStatus Status() const { return status_; }
    const std::string& DisplayText() const { return displayText_; }
    const std::string& Comment() const { return comment_; }
    // What the block shows: the symbol while ShowSymbol is on, otherwise the address.
    const std::string& ShownText() const { return ShowSymbol() ? displayText_ : StrAddress; }
    // Display text and comment from the symbol table.
    void RefreshDisplayText();

    // The message that refuses a simulation start while the status is negative; none for the
    // blocks that take no part in the start check.
    virtual const char* StartCheckMessage() const = 0;

    // The editor lost the focus: while editing the text becomes the address (a symbol is
    // resolved); while simulating it is converted and written to the address.
    void EndEdit();

protected:
    TAddressBlock(const BlockEnvironment& environment, PinOrientation side, int pinCode,
                  double width, std::string hint);

    ProcessImage& Memory() const { return *environment_.memory; }
    const TextGrid& Symbols() const;
    void SetStatus(AccessStatus status) { status_ = status; }
    void SymbolChanged() override { RefreshDisplayText(); }

    // The status of the block's reader on StrAddress.
    virtual AccessStatus ProbeAddress() const = 0;
    // Converts the typed text and writes it to the address; a text that does not convert is a
    // conversion error.
    virtual AccessStatus WriteTyped(const std::string& upperText) = 0;

private:
    BlockEnvironment environment_;
    AccessStatus status_ = AccessStatus::Written;
    std::string displayText_;
    std::string comment_;
};

// The bit blocks: bit addresses or boolean constants.
class TBitBlock : public TAddressBlock {
public:
    const char* StartCheckMessage() const override;

protected:
    using TAddressBlock::TAddressBlock;
    AccessStatus ProbeAddress() const override;
    AccessStatus WriteTyped(const std::string& upperText) override;
};

class TbIN final : public TBitBlock {
public:
    explicit TbIN(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TbIN"; }
    void Execute() override;
    // While simulating a double-click toggles the bit; while editing it opens the editor.
    void DoubleClick() override;
};

class TbOUT final : public TBitBlock {
public:
    enum Action : int { Assign = 0, Set = 1, ResetBit = 2 };
    int ActionType = Assign;

    explicit TbOUT(const BlockEnvironment& environment);
    std::string_view ClassName() const override { return "TbOUT"; }
    void Execute() override;
    void DoubleClick() override;
};

inline constexpr const char* kBitCheckMessage =
    "Discrete variable has an invalid interface. Example: I0.0 or Q3.5 or M20.7 etc.";
inline constexpr const char* kIntegerCheckMessage =
    "Integer variable has an invalid interface. Example: IB0 or IW2 or MD5 or QW20 etc.";
inline constexpr const char* kRealCheckMessage =
    "Integer variable has an invalid interface. Example: ID0 or MD5 or QD20 etc.";

// The address check of a start and of Compile: every block of the pages runs once, in page and
// block-list order; the first bit, integer or real input or output block left with a negative
// status refuses, with the message of its kind.
struct AddressCheck {
    bool passed = true;
    std::string message;
    std::size_t page = 0;
    const TCustomDiagramBlock* block = nullptr;
};
AddressCheck CheckAddresses(const std::vector<TatDiagram*>& pages);

// Raised when a typed value does not convert.
Fault NotABoolean(const std::string& text);
Fault NotAnInteger(const std::string& text);
Fault NotAReal(const std::string& text);

} // namespace vexa
