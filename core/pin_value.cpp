#include "pin_value.h"

#include "fault.h"
#include "number_format.h"
#include "numeric.h"

#include <cmath>
#include <limits>

namespace vexa {

bool IsWideGroup(IntWidth width) {
    return width == IntWidth::U16 || width == IntWidth::U32 || width == IntWidth::S64;
}

PinValue PinValue::Boolean(bool value) {
    PinValue v;
    v.kind_ = Kind::Boolean;
    v.integer_ = value ? 1 : 0;
    return v;
}

PinValue PinValue::Integer(std::int64_t value, IntWidth width) {
    PinValue v;
    v.kind_ = Kind::Integer;
    v.width_ = width;
    v.integer_ = value;
    return v;
}

PinValue PinValue::Real(double value) {
    PinValue v;
    v.kind_ = Kind::Real;
    v.real_ = value;
    return v;
}

bool PinValue::IsTrue() const {
    switch (kind_) {
    case Kind::Empty:
        return false;
    case Kind::Boolean:
    case Kind::Integer:
        return integer_ != 0;
    case Kind::Real:
        return real_ != 0.0;
    }
    return false;
}

std::int32_t PinValue::ToInt32() const {
    switch (kind_) {
    case Kind::Empty:
        return 0;
    case Kind::Boolean:
        return integer_ != 0 ? -1 : 0;
    case Kind::Integer:
        if (integer_ < std::numeric_limits<std::int32_t>::min() ||
            integer_ > std::numeric_limits<std::int32_t>::max()) {
            throw Fault(kIntegerOverflow);
        }
        return static_cast<std::int32_t>(integer_);
    case Kind::Real:
        return RoundToInt32(real_);
    }
    return 0;
}

double PinValue::ToReal() const {
    switch (kind_) {
    case Kind::Empty:
        return 0.0;
    case Kind::Boolean:
        return integer_ != 0 ? -1.0 : 0.0;
    case Kind::Integer:
        return static_cast<double>(integer_);
    case Kind::Real:
        return real_;
    }
    return 0.0;
}

std::string PinValueText(const PinValue& value) {
    switch (value.kind()) {
    case PinValue::Kind::Empty:
        return {};
    case PinValue::Kind::Boolean:
        return value.BooleanValue() ? "1" : "0";
    case PinValue::Kind::Integer:
        return std::to_string(value.IntegerValue());
    case PinValue::Kind::Real:
        break;
    }
    double rounded = std::trunc(value.RealValue() * 1e4 + 0.5) / 1e4;
    if (rounded == 0.0) {
        rounded = 0.0; // no "-0"
    }
    return FormatGeneral(rounded);
}

} // namespace vexa
