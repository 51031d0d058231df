#include "number_format.h"

#include <cmath>
#include <cstdio>
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

} // namespace

std::string FormatGeneral(double value) {
    if (value == 0.0) {
        return "0";
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    // The exponent after rounding to 15 significant digits.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14E", value);
    std::string text(scientific);
    const auto e = text.find('E');
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent < 15 && std::fabs(value) >= 0.00001) {
        char fixed[64];
        std::snprintf(fixed, sizeof fixed, "%.*f", exponent >= 14 ? 0 : 14 - exponent, value);
        std::string digits(fixed);
        StripFractionZeros(digits);
        return digits;
    }
    std::string mantissa = text.substr(0, e);
    StripFractionZeros(mantissa);
    return mantissa + "E" + std::to_string(exponent);
}

} // namespace vexa
