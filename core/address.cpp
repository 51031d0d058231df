#include "address.h"

#include "fault.h"
#include "text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vexa {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AreaFromLetter(char c, Area& area) {
    switch (UpperAscii(c)) {
    case 'I':
        area = Area::I;
        return true;
    case 'Q':
        area = Area::Q;
        return true;
    case 'M':
        area = Area::M;
        return true;
    default:
        return false;
    }
}

// Reads the run of digits starting at pos; returns its end. Empty run: returns pos.
std::size_t DigitRun(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// A byte number matched the address form; one that does not fit 32 bits is a conversion error.
std::int32_t ByteNumber(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kInt32Max) {
            throw InvalidIntegerValue(std::string(digits));
        }
    }
    return static_cast<std::int32_t>(value);
}

int WidthFromLetter(char c) {
    switch (UpperAscii(c)) {
    case 'B':
        return 1;
    case 'W':
        return 2;
    case 'D':
        return 4;
    default:
        return 0;
    }
}

int HexDigit(char c) {
    c = UpperAscii(c);
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

bool ParseRealNumber(std::string_view text, double& value) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    std::size_t end = text.size();
    while (end > pos && text[end - 1] == ' ') {
        --end;
    }
    std::string_view body = text.substr(pos, end - pos);
    // Validate the grammar first: from_chars alone would also take "inf", "nan" and hex floats.
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        ++i;
    }
    const std::size_t intEnd = DigitRun(body, i);
    bool digits = intEnd > i;
    i = intEnd;
    if (i < body.size() && body[i] == '.') {
        const std::size_t fracEnd = DigitRun(body, i + 1);
        digits = digits || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!digits) {
        return false;
    }
    if (i < body.size() && UpperAscii(body[i]) == 'E') {
        std::size_t e = i + 1;
        if (e < body.size() && (body[e] == '+' || body[e] == '-')) {
            ++e;
        }
        const std::size_t expEnd = DigitRun(body, e);
        if (expEnd == e) {
            return false;
        }
        i = expEnd;
    }
    if (i != body.size()) {
        return false;
    }
    if (body.front() == '+') {
        body.remove_prefix(1);
    }
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    return ec == std::errc() && ptr == body.data() + body.size();
}

bool ParseIntegerConstant(std::string_view text, std::int32_t& value) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    std::string_view body = text.substr(pos);
    std::size_t hexStart = 0;
    if (!body.empty() && (body[0] == '$' || UpperAscii(body[0]) == 'X')) {
        hexStart = 1;
    } else if (body.size() > 1 && body[0] == '0' && UpperAscii(body[1]) == 'X') {
        hexStart = 2;
    }
    if (hexStart > 0) {
        if (body.size() == hexStart) {
            return false;
        }
        std::int64_t hex = 0;
        for (char c : body.substr(hexStart)) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return false;
            }
            hex = hex * 16 + digit;
            if (hex > kInt32Max) {
                return false;
            }
        }
        value = static_cast<std::int32_t>(hex);
        return true;
    }
    bool negative = false;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.remove_prefix(1);
    }
    if (body.empty() || DigitRun(body, 0) != body.size()) {
        return false;
    }
    std::int64_t magnitude = 0;
    for (char c : body) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kInt32Max + 1) {
            return false;
        }
    }
    if (!negative && magnitude > kInt32Max) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool ParseBooleanConstant(std::string_view text, bool& value) {
    double number = 0.0;
    if (ParseRealNumber(text, number)) {
        value = number != 0.0;
        return true;
    }
    if (EqualsIgnoringCase(text, "TRUE") || EqualsIgnoringCase(text, "FALSE")) {
        value = text.size() == 4;
        return true;
    }
    return false;
}

BitAddress ParseBitAddress(std::string_view text) {
    BitAddress parsed;
    Area area{};
    if (text.size() >= 4 && AreaFromLetter(text[0], area)) {
        const std::size_t digitsEnd = DigitRun(text, 1);
        std::size_t pos = digitsEnd;
        while (pos < text.size() && text[pos] == '.') {
            ++pos;
        }
        if (digitsEnd > 1 && pos > digitsEnd && pos + 1 == text.size() && text[pos] >= '0' &&
            text[pos] <= '7') {
            parsed.result = ParseResult::Address;
            parsed.area = area;
            parsed.byte = ByteNumber(text.substr(1, digitsEnd - 1));
            parsed.bit = text[pos] - '0';
            return parsed;
        }
    }
    if (ParseBooleanConstant(text, parsed.constant)) {
        parsed.result = ParseResult::Constant;
    }
    return parsed;
}

NumericAddress ParseNumericAddress(std::string_view text) {
    NumericAddress parsed;
    Area area{};
    if (text.size() >= 3 && AreaFromLetter(text[0], area) && WidthFromLetter(text[1]) != 0 &&
        DigitRun(text, 2) == text.size()) {
        parsed.result = ParseResult::Address;
        parsed.area = area;
        parsed.width = WidthFromLetter(text[1]);
        parsed.byte = ByteNumber(text.substr(2));
        return parsed;
    }
    if (ParseIntegerConstant(text, parsed.constant)) {
        parsed.result = ParseResult::Constant;
    }
    return parsed;
}

RealAddress ParseRealAddress(std::string_view text) {
    RealAddress parsed;
    Area area{};
    if (text.size() >= 3 && AreaFromLetter(text[0], area) && UpperAscii(text[1]) == 'D' &&
        DigitRun(text, 2) == text.size()) {
        parsed.result = ParseResult::Address;
        parsed.area = area;
        parsed.byte = ByteNumber(text.substr(2));
        return parsed;
    }
    double number = 0.0;
    // A number beyond the single-precision range is no usable constant.
    if (ParseRealNumber(text, number) && std::fabs(number) <= std::numeric_limits<float>::max()) {
        parsed.result = ParseResult::Constant;
        parsed.constant = static_cast<float>(number);
    }
    return parsed;
}

} // namespace vexa
