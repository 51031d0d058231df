#include "panel_model.h"

#include "number_format.h"

#include <cmath>

namespace vexa {

namespace {

// A write lands at column 15 at the latest and only pushes older text to the right, so nothing
// past column 15 ever comes back into view. Cutting the buffers here keeps the 31 blanks of a
// flush plus more than any visible part of a write, and stops a program that never flushes
// from growing them without end.
constexpr std::size_t kLineBufferLimit = 64;

constexpr std::int32_t kLastColumn = 15;
constexpr std::int32_t kLastAcceptedLine = 15;

bool Accepted(std::int32_t column, std::int32_t line) {
    return column >= 0 && column <= kLastColumn && line >= 0 && line <= kLastAcceptedLine;
}

// Adding one half before truncating rounds halves upward, also for negative values; negative
// decimals round to tens, hundreds and so on.
std::string RoundedRealText(double value, std::int8_t decimals) {
    const double factor = std::pow(10.0, -decimals);
    return FormatGeneral(std::trunc(value / factor + 0.5) * factor);
}

} // namespace

PanelModel::PanelModel() {
    buffers_.fill(std::string(kBlankBufferLength, ' '));
}

void PanelModel::PutString(std::int32_t column, std::int32_t line, std::int32_t number) {
    if (number < 0 || static_cast<std::size_t>(number) >= displayStrings_.size()) {
        return;
    }
    Insert(column, line, displayStrings_[static_cast<std::size_t>(number)]);
}

void PanelModel::PutInteger(std::int32_t column, std::int32_t line, std::int32_t value) {
    Insert(column, line, std::to_string(value));
}

void PanelModel::PutReal(std::int32_t column, std::int32_t line, double value,
                         std::int8_t decimals) {
    Insert(column, line, RoundedRealText(value, decimals));
}

void PanelModel::Flush() {
    for (std::size_t line = 0; line < buffers_.size(); ++line) {
        shown_[line] = buffers_[line].substr(0, kLineWidth);
        buffers_[line].assign(kBlankBufferLength, ' ');
    }
}

const std::string& PanelModel::ShownLine(int line) const {
    return shown_.at(static_cast<std::size_t>(line));
}

const std::string& PanelModel::DisplayString(std::size_t number) const {
    return displayStrings_.at(number);
}

void PanelModel::SetDisplayStrings(std::vector<std::string> strings) {
    displayStrings_ = std::move(strings);
}

// Lines 4 to 15 pass the check but have no buffer.
void PanelModel::Insert(std::int32_t column, std::int32_t line, const std::string& text) {
    if (!Accepted(column, line) || line >= kLineCount) {
        return;
    }
    std::string& buffer = buffers_[static_cast<std::size_t>(line)];
    buffer.insert(static_cast<std::size_t>(column), text);
    if (buffer.size() > kLineBufferLimit) {
        buffer.resize(kLineBufferLimit);
    }
}

} // namespace vexa
