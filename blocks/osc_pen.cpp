#include "osc_pen.h"

#include "text.h"

#include <array>
#include <charconv>

namespace vexa {

namespace {

constexpr const char* kPenNumberMessage = "Enter Osciloscope Pen Number 1..8";
constexpr int kFirstPen = 1;
constexpr int kLastPen = 8;

constexpr std::array<std::uint32_t, kLastPen> kTraceColors = {
    0xFF0000, // red
    0x008000, // green
    0xFFFF00, // yellow
    0x0000FF, // blue
    0xFFFFFF, // white
    0x808080, // gray
    0xFF00FF, // fuchsia
    0x008080, // teal
};

std::optional<int> ParseDecimal(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes a minus sign only.
    if (first != last && *first == '+') {
        ++first;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end != last || first == last) {
        return std::nullopt;
    }
    return number;
}

} // namespace

TOscPen::TOscPen(const BlockEnvironment&) {
    Width = 25;
    Height = 20;
    MinWidth = 10;
    MinHeight = 10;
    Restrictions = crNoResize | crNoRotation;
    TLinkPoint& in = AddPin(PinOrientation::aoLeft, 50.0, 0.0);
    in.AnchorIndex = PinCode::Input * 10 + PinCode::Any;
    in.AnchorName = "IN";
    in.AnchorNameVisible = false;
}

void TOscPen::Execute() {
    Value = Pins()[kIn].AnchorValue;
}

void TOscPen::DoubleClick() {
    if (RunMode == 0) {
        Editor.Open(std::to_string(PenIndex), false);
    }
}

std::string TOscPen::EndEdit() {
    std::string message;
    // A simulation started while editing leaves the pen number as it was.
    if (RunMode == 0) {
        Editor.text = ToUpperAscii(Editor.text);
        const std::optional<int> number = ParseDecimal(Editor.text);
        if (number && *number >= kFirstPen && *number <= kLastPen) {
            PenIndex = *number;
        } else {
            PenIndex = kFirstPen;
            message = kPenNumberMessage;
        }
    }
    Editor.visible = false;
    return message;
}

std::optional<std::uint32_t> PenTraceColor(int penIndex) {
    if (penIndex < kFirstPen || penIndex > kLastPen) {
        return std::nullopt;
    }
    return kTraceColors[static_cast<std::size_t>(penIndex - kFirstPen)];
}

} // namespace vexa
