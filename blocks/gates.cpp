#include "gates.h"

namespace vexa {

namespace {

constexpr double kPitch = 20.0;
constexpr double kFirstPin = 30.0;

} // namespace

TGate::TGate() {
    Width = 70;
    MinWidth = 70;
    MinHeight = 50;
    Restrictions = crNoResize | crNoRotation;
    SetNum(kMinInputs);
}

// Values below one come only from damaged files and are refused like values above four.
void TGate::SetNum(int value) {
    if (value > kMaxInputs || value < 1) {
        return;
    }
    num_ = value;
    Height = value * kPitch + kPitch;
    RebuildPins();
}

void TGate::RemoveInput() {
    if (num_ > kMinInputs) {
        SetNum(num_ - 1);
    }
}

void TGate::RebuildPins() {
    auto& pins = Pins();
    if (pins.empty()) {
        TLinkPoint& out = AddPin(PinOrientation::aoRight, 100, 0);
        out.AnchorIndex = 21;
        out.AnchorName = "OUT";
    }
    const auto count = static_cast<std::size_t>(num_ + 1);
    while (pins.size() > count) {
        pins.pop_back();
    }
    while (pins.size() < count) {
        AddPin(PinOrientation::aoLeft, 0, 0);
    }
    pins[0].OrY = 100.0 / Height * kFirstPin;
    for (int k = 1; k <= num_; ++k) {
        TLinkPoint& pin = pins[static_cast<std::size_t>(k)];
        pin.OrX = 0;
        pin.OrY = 100.0 / Height * ((k - 1) * kPitch + kFirstPin);
        pin.Orientation = PinOrientation::aoLeft;
        pin.AnchorIndex = 11;
        pin.AnchorName = "IN" + std::to_string(k);
        pin.AnchorNameVisible = false;
    }
}

// Booleans combine logically; a number on an input (the reset's 0 on an unlinked one) turns
// OUT into a number that still reads as the logical result.
void TbAND::Execute() {
    auto& pins = Pins();
    PinValue out = PinValue::Boolean(true);
    for (int k = 1; k <= Num(); ++k) {
        out = And(pins[static_cast<std::size_t>(k)].AnchorValue, out);
    }
    pins[0].AnchorValue = out;
}

void TbOR::Execute() {
    auto& pins = Pins();
    PinValue out = PinValue::Boolean(false);
    for (int k = 1; k <= Num(); ++k) {
        out = Or(pins[static_cast<std::size_t>(k)].AnchorValue, out);
    }
    pins[0].AnchorValue = out;
}

} // namespace vexa
