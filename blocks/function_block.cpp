#include "function_block.h"

#include "fault.h"

#include <algorithm>
#include <utility>

namespace vexa {

namespace {

constexpr double kFirstPinOffset = 30.0;
constexpr double kENShift = 20.0;

std::string PinKey(int n) {
    return "VAR" + std::to_string(n);
}

} // namespace

TFunction::TFunction(std::string funName, const BlockEnvironment& environment)
    : funName_(std::move(funName)), environment_(environment) {
    static const Catalog kEmpty;
    const Catalog& catalog = environment_.catalog != nullptr ? *environment_.catalog : kEmpty;

    MinWidth = 70;
    MinHeight = 50;
    Restrictions = crNoResize | crNoRotation;

    // The height counts every key up to the first negative one; the pins stop at the first key
    // that is not positive.
    int inputs = 0;
    int outputs = 0;
    for (int n = 0;; ++n) {
        const int code = catalog.ReadInteger(funName_, PinKey(n), -1);
        if (code < 0) {
            break;
        }
        inputs += PinCode::Direction(code) == PinCode::Input ? 1 : 0;
        outputs += PinCode::Direction(code) == PinCode::Output ? 1 : 0;
    }
    Width = kWidth;
    Height = std::max(inputs, outputs) * kPinPitch + kPinPitch;

    int placedInputs = 0;
    int placedOutputs = 0;
    const std::string nameSection = funName_ + "_NAME";
    for (int n = 0;; ++n) {
        const int code = catalog.ReadInteger(funName_, PinKey(n), -1);
        if (code <= 0) {
            break;
        }
        const bool input = PinCode::Direction(code) == PinCode::Input;
        int& placed = input ? placedInputs : placedOutputs;
        TLinkPoint& pin =
            AddPin(input ? PinOrientation::aoLeft : PinOrientation::aoRight, input ? 0.0 : 100.0,
                   100.0 / Height * (placed * kPinPitch + kFirstPinOffset));
        ++placed;
        pin.AnchorIndex = code;
        pin.AnchorName = catalog.ReadString(nameSection, PinKey(n), "-");
        pin.AnchorNameVisible = true;
        pin.AnchorValue = PinValue::ResetZero();
    }
    Hint = catalog.ReadString(funName_ + "_Help", "VAR0", "");
    OnENChange = [this](TDiagramControl&) { ENChanged(); };
}

void TFunction::ENChanged() {
    const double oldHeight = Height;
    auto& pins = Pins();
    if (EN()) {
        const double newHeight = oldHeight + kENShift;
        // Both new pins start 10 units from the top, so the shift puts them at 30.
        const double start = 100.0 / oldHeight * (kFirstPinOffset - kENShift);
        TLinkPoint& en = AddPin(PinOrientation::aoLeft, 0.0, start);
        en.AnchorIndex = 11;
        en.AnchorName = "EN";
        en.AnchorNameVisible = true;
        TLinkPoint& eno = AddPin(PinOrientation::aoRight, 100.0, start);
        eno.AnchorIndex = 21;
        eno.AnchorName = "ENO";
        eno.AnchorNameVisible = true;
        for (TLinkPoint& pin : pins) {
            pin.OrY = (pin.OrY * oldHeight / 100.0 + kENShift) * 100.0 / newHeight;
        }
        Height = newHeight;
    } else {
        const double newHeight = oldHeight - kENShift;
        pins.resize(pins.size() >= 2 ? pins.size() - 2 : 0);
        for (TLinkPoint& pin : pins) {
            pin.OrY = (pin.OrY * oldHeight / 100.0 - kENShift) * 100.0 / newHeight;
        }
        Height = newHeight;
    }
}

const PinValue& TFunction::Value(int pin) const {
    const TLinkPoint* found = PinAt(pin);
    if (found == nullptr) {
        throw Fault("List index out of bounds (" + std::to_string(pin) + ")");
    }
    return found->AnchorValue;
}

PinValue& TFunction::Value(int pin) {
    return const_cast<PinValue&>(std::as_const(*this).Value(pin));
}

bool TFunction::Enabled() {
    if (!EN()) {
        return true;
    }
    auto& pins = Pins();
    const std::size_t count = pins.size();
    pins[count - 1].AnchorValue = pins[count - 2].AnchorValue;
    return pins[count - 2].AnchorValue.IsTrue();
}

} // namespace vexa
