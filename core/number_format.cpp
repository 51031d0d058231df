#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vexa {

namespace {

void StripFractionZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos) {
        return;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') {
        digits.pop_back();
    }
}

// to_chars ignores the C locale: the decimal separator is always the point.
std::string Chars(double value, std::chars_format format, int precision) {
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

} // namespace

std::string FormatGeneral(double value) {
    if (value == 0.0) {
        return "0";
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    // The exponent after rounding to 15 significant digits.
    const std::string scientific = Chars(value, std::chars_format::scientific, 14);
    const auto e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (exponent < 15 && std::fabs(value) >= 0.00001) {
        std::string digits =
            Chars(value, std::chars_format::fixed, exponent >= 14 ? 0 : 14 - exponent);
        StripFractionZeros(digits);
        return digits;
    }
    std::string mantissa = scientific.substr(0, e);
    StripFractionZeros(mantissa);
    return mantissa + "E" + std::to_string(exponent);
}

} // namespace vexa
