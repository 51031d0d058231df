#include "numeric_blocks.h"

#include "number_format.h"

#include <cmath>

namespace vexa {

namespace {

constexpr double kInputWidth = 30;
constexpr double kOutputWidth = 60;

int PinCodeFor(NumericKind kind, bool input) {
    const int type = kind == NumericKind::Real ? PinCode::Real : PinCode::Integer;
    return (input ? PinCode::Output : PinCode::Input) * 10 + type;
}

// The value as the editor shows it while simulating: integers in decimal, reals rounded to
// two decimals.
std::string EditorText(const PinValue& value) {
    if (!value.IsReal()) {
        return std::to_string(value.IntegerValue());
    }
    return FormatGeneral(std::trunc(value.RealValue() * 100 + 0.5) / 100);
}

} // namespace

TNumericBlock::TNumericBlock(const BlockEnvironment& environment, NumericKind kind, bool input,
                             std::string hint)
    : TAddressBlock(environment, input ? PinOrientation::aoRight : PinOrientation::aoLeft,
                    PinCodeFor(kind, input), input ? kInputWidth : kOutputWidth, std::move(hint)),
      kind_(kind) {}

const char* TNumericBlock::StartCheckMessage() const {
    switch (kind_) {
    case NumericKind::Integer:
        return kIntegerCheckMessage;
    case NumericKind::Real:
        return kRealCheckMessage;
    case NumericKind::Word:
        break;
    }
    return nullptr;
}

ReadResult<PinValue> TNumericBlock::ReadValue() const {
    switch (kind_) {
    case NumericKind::Integer: {
        const auto read = Memory().ReadSigned(StrAddress);
        return {PinValue::Integer(read.value, IntWidth::S32), read.status};
    }
    case NumericKind::Word: {
        // A constant -1 reads as the word 4294967295.
        const auto read = Memory().ReadUnsigned(StrAddress);
        return {PinValue::Integer(static_cast<std::uint32_t>(read.value), IntWidth::U32),
                read.status};
    }
    case NumericKind::Real:
        break;
    }
    const auto read = Memory().ReadReal(StrAddress);
    return {PinValue::Real(read.value), read.status};
}

AccessStatus TNumericBlock::ProbeAddress() const {
    return ReadValue().status;
}

AccessStatus TNumericBlock::WriteTyped(const std::string& upperText) {
    if (kind_ == NumericKind::Real) {
        double value = 0.0;
        if (!ParseRealNumber(upperText, value)) {
            throw NotAReal(upperText);
        }
        return Memory().WriteReal(StrAddress, value);
    }
    std::int32_t value = 0;
    if (!ParseIntegerConstant(upperText, value)) {
        throw NotAnInteger(upperText);
    }
    return Memory().WriteInteger(StrAddress, value);
}

TNumericInput::TNumericInput(const BlockEnvironment& environment, NumericKind kind,
                             std::string hint)
    : TNumericBlock(environment, kind, true, std::move(hint)) {}

void TNumericInput::Execute() {
    auto read = ReadValue();
    Pins()[0].AnchorValue = read.value;
    SetStatus(read.status);
}

void TNumericInput::DoubleClick() {
    if (RunMode == 1) {
        const auto read = ReadValue();
        SetStatus(read.status);
        if (read.status != AccessStatus::Constant) {
            Editor.Open(EditorText(read.value), true);
        }
    } else {
        Editor.Open(StrAddress, true);
    }
}

TNumericOutput::TNumericOutput(const BlockEnvironment& environment, NumericKind kind,
                               std::string hint)
    : TNumericBlock(environment, kind, false, std::move(hint)) {}

void TNumericOutput::Execute() {
    PinValue& in = Pins()[0].AnchorValue;
    if (InputEnabled) {
        SetStatus(Kind() == NumericKind::Real ? Memory().WriteReal(StrAddress, in.ToReal())
                                              : Memory().WriteInteger(StrAddress, in.ToInt32()));
    }
    const auto read = ReadValue();
    in = read.value;
    SetStatus(read.status);
}

void TNumericOutput::DoubleClick() {
    if (RunMode == 0) {
        Editor.Open(ShownText(), false);
    }
}

TiIN::TiIN(const BlockEnvironment& environment)
    : TNumericInput(environment, NumericKind::Integer,
                    "Модуль чтения переменной типа Integer (IW0, QD2 MW10).") {}

TwIN::TwIN(const BlockEnvironment& environment)
    : TNumericInput(environment, NumericKind::Word,
                    "Модуль чтения переменной типа Word (IW0, QD2 MW10).") {}

TrIN::TrIN(const BlockEnvironment& environment)
    : TNumericInput(environment, NumericKind::Real,
                    "Модуль чтения переменной типа REAL (IW0, QD2 MW10).") {}

TiOUT::TiOUT(const BlockEnvironment& environment)
    : TNumericOutput(environment, NumericKind::Integer,
                     "Модуль записи переменной типа Integer (IW0, QD2 MW10).") {}

TwOUT::TwOUT(const BlockEnvironment& environment)
    : TNumericOutput(environment, NumericKind::Word, "") {}

TrOUT::TrOUT(const BlockEnvironment& environment)
    : TNumericOutput(environment, NumericKind::Real, "") {}

} // namespace vexa
