#pragma once

#include <cstdint>

namespace vexa {

// Conversions shared by pin values and memory writes. Each raises a Fault where the value does
// not fit: a real out of the signed 32-bit range is an integer overflow, one of magnitude 2^63 or
// more an invalid operation, one beyond single precision a floating-point overflow.
std::int32_t RoundToInt32(double value);
std::int64_t RoundToInt64(double value);
float ToSingle(double value);

} // namespace vexa
