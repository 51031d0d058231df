#pragma once

#include "pin_value.h"

#include <ostream>

namespace vexa {

// Lets GoogleTest show pin values as "S32 42" or "Real 0.5" in failure messages.
inline void PrintTo(const PinValue& value, std::ostream* os) {
    static const char* const kWidths[] = {"U8", "S8", "S16", "S32", "U16", "U32", "S64"};
    switch (value.kind()) {
    case PinValue::Kind::Empty:
        *os << "Empty";
        return;
    case PinValue::Kind::Boolean:
        *os << (value.BooleanValue() ? "True" : "False");
        return;
    case PinValue::Kind::Integer:
        *os << kWidths[static_cast<int>(value.width())] << " " << value.IntegerValue();
        return;
    case PinValue::Kind::Real:
        *os << "Real " << value.RealValue();
        return;
    }
}

} // namespace vexa
