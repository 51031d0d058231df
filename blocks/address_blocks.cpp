#include "address_blocks.h"

#include "fault.h"
#include "text.h"

namespace vexa {

AddressCheck CheckAddresses(const std::vector<TatDiagram*>& pages) {
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (std::size_t i = 0; i < pages[p]->BlockCount(); ++i) {
            TCustomDiagramBlock& block = pages[p]->Block(i);
            block.Execute();
            const auto* io = dynamic_cast<const TAddressBlock*>(&block);
            if (io != nullptr && io->StartCheckMessage() != nullptr &&
                io->Status() == AccessStatus::Invalid) {
                return {false, io->StartCheckMessage(), p, &block};
            }
        }
    }
    return {};
}

Fault NotABoolean(const std::string& text) {
    return Fault("'" + text + "' is not a valid boolean value");
}

Fault NotAnInteger(const std::string& text) {
    return InvalidIntegerValue(text);
}

Fault NotAReal(const std::string& text) {
    return Fault("'" + text + "' is not a valid floating point value");
}

TAddressBlock::TAddressBlock(const BlockEnvironment& environment, PinOrientation side, int pinCode,
                             double width, std::string hint)
    : environment_(environment) {
    Width = width;
    Height = 20;
    MinWidth = 10;
    MinHeight = 10;
    Restrictions = crNoResize | crNoRotation;
    Hint = std::move(hint);
    const bool output = side == PinOrientation::aoRight;
    TLinkPoint& pin = AddPin(side, output ? 100 : 0, 50);
    pin.AnchorIndex = pinCode;
    pin.AnchorName = output ? "OUT" : "IN";
}

const TextGrid& TAddressBlock::Symbols() const {
    static const TextGrid kNoSymbols(0, 0);
    return environment_.symbols != nullptr ? *environment_.symbols : kNoSymbols;
}

void TAddressBlock::RefreshDisplayText() {
    SymbolLookup found = AddressToSymbol(Symbols(), StrAddress);
    displayText_ = std::move(found.text);
    comment_ = std::move(found.comment);
}

void TAddressBlock::EndEdit() {
    if (RunMode == 0) {
        const std::string typed = Editor.text;
        StrAddress = SymbolToAddress(Symbols(), typed).text;
        SymbolLookup shown = AddressToSymbol(Symbols(), typed);
        displayText_ = std::move(shown.text);
        comment_ = std::move(shown.comment);
        status_ = ProbeAddress();
        if (status_ != AccessStatus::Invalid) {
            Editor.text = StrAddress;
        }
    } else {
        status_ = WriteTyped(ToUpperAscii(Editor.text));
    }
    Editor.visible = false;
}

namespace {

constexpr double kInputWidth = 30;
constexpr double kOutputWidth = 60;

} // namespace

const char* TBitBlock::StartCheckMessage() const {
    return kBitCheckMessage;
}

AccessStatus TBitBlock::ProbeAddress() const {
    return Memory().ReadBit(StrAddress).status;
}

AccessStatus TBitBlock::WriteTyped(const std::string& upperText) {
    bool value = false;
    if (!ParseBooleanConstant(upperText, value)) {
        throw NotABoolean(upperText);
    }
    return Memory().WriteBit(StrAddress, value);
}

TbIN::TbIN(const BlockEnvironment& environment)
    : TBitBlock(environment, PinOrientation::aoRight, 21, kInputWidth,
                "Модуль чтение дискретных ячеек памяти (I0.0, M2.3, Q10.7)") {}

void TbIN::Execute() {
    const auto read = Memory().ReadBit(StrAddress);
    Pins()[0].AnchorValue = PinValue::Boolean(read.value);
    SetStatus(read.status);
}

void TbIN::DoubleClick() {
    if (RunMode == 1) {
        const auto read = Memory().ReadBit(StrAddress);
        SetStatus(read.status);
        if (read.status != AccessStatus::Constant) {
            SetStatus(Memory().WriteBit(StrAddress, !read.value));
        }
    } else {
        Editor.Open(StrAddress, true);
    }
}

TbOUT::TbOUT(const BlockEnvironment& environment)
    : TBitBlock(environment, PinOrientation::aoLeft, 11, kOutputWidth,
                "Модуль записи дискретного сигнала (I0.0, Q3.6 M23.7).") {}

// Writes on every scan, whatever InputEnabled says.
void TbOUT::Execute() {
    const bool in = Pins()[0].AnchorValue.IsTrue();
    switch (ActionType) {
    case Assign:
        SetStatus(Memory().WriteBit(StrAddress, in));
        break;
    case Set:
        if (in) {
            SetStatus(Memory().WriteBit(StrAddress, true));
        }
        break;
    case ResetBit:
        if (in) {
            SetStatus(Memory().WriteBit(StrAddress, false));
        }
        break;
    default:
        break;
    }
}

void TbOUT::DoubleClick() {
    if (RunMode == 0) {
        Editor.Open(StrAddress, true);
    }
}

} // namespace vexa
