#pragma once

#include <string>

namespace vexa {

// General notation with at most 15 significant digits: no trailing zeros or needless point;
// fixed while at most 15 digits stand before the point and the magnitude is at least 0.00001
// (or zero), otherwise scientific with a bare exponent ("1E20", "1.5E-7").
std::string FormatGeneral(double value);

} // namespace vexa
