#pragma once

#include <stdexcept>
#include <string>

namespace vexa {

// A fault raised while values are computed or addresses converted. The scan engine catches it,
// stops the simulation and shows what() as the error's own text.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kIntegerOverflow = "Integer overflow";
inline constexpr const char* kInvalidFloatOperation = "Invalid floating point operation";
inline constexpr const char* kFloatOverflow = "Floating point overflow";

// The conversion error of a digit string that does not fit a 32-bit signed integer.
inline Fault InvalidIntegerValue(const std::string& digits) {
    return Fault("'" + digits + "' is not a valid integer value");
}

} // namespace vexa
