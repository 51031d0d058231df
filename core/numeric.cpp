#include "numeric.h"

#include "fault.h"

#include <cmath>
#include <limits>

namespace vexa {

// nearbyint rounds halves to the even neighbour in the default rounding mode.
std::int32_t RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw Fault(kIntegerOverflow);
    }
    return static_cast<std::int32_t>(rounded);
}

std::int64_t RoundToInt64(double value) {
    const double rounded = std::nearbyint(value);
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!(rounded > -kLimit && rounded < kLimit)) {
        throw Fault(kInvalidFloatOperation);
    }
    return static_cast<std::int64_t>(rounded);
}

float ToSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        throw Fault(kFloatOverflow);
    }
    return static_cast<float>(value);
}

} // namespace vexa
