// Arithmetic between tagged pin values: the 32-bit and 64-bit integer groups, the overflow of
// 32-bit results into reals, and bitwise versus logical combination.
#include "fault.h"
#include "numeric.h"
#include "pin_value.h"

#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>

namespace vexa {

namespace {

// An operand as arithmetic sees it: empty counts as 0 and a boolean as -1 or 0, both in the
// 32-bit group.
struct Operand {
    std::int64_t value;
    bool wide;
};

Operand IntegerOperand(const PinValue& v) {
    switch (v.kind()) {
    case PinValue::Kind::Integer:
        return {v.IntegerValue(), IsWideGroup(v.width())};
    case PinValue::Kind::Boolean:
        return {v.BooleanValue() ? -1 : 0, false};
    case PinValue::Kind::Real:
        return {RoundToInt32(v.RealValue()), false};
    case PinValue::Kind::Empty:
        break;
    }
    return {0, false};
}

bool Fits32(std::int64_t v) {
    return v >= std::numeric_limits<std::int32_t>::min() &&
           v <= std::numeric_limits<std::int32_t>::max();
}

PinValue CheckedReal(double result) {
    if (std::isinf(result)) {
        throw Fault(kFloatOverflow);
    }
    return PinValue::Real(result);
}

enum class Op { Add, Subtract, Multiply };

double RealOp(Op op, double a, double b) {
    switch (op) {
    case Op::Add:
        return a + b;
    case Op::Subtract:
        return a - b;
    case Op::Multiply:
        break;
    }
    return a * b;
}

PinValue Arithmetic(Op op, const PinValue& a, const PinValue& b) {
    if (a.IsReal() || b.IsReal()) {
        return CheckedReal(RealOp(op, a.ToReal(), b.ToReal()));
    }
    const Operand x = IntegerOperand(a);
    const Operand y = IntegerOperand(b);
    if (!x.wide && !y.wide) {
        // Both fit 32 bits, so the exact result fits 64; out of the 32-bit range it is redone
        // in double precision.
        const std::int64_t exact = op == Op::Add        ? x.value + y.value
                                   : op == Op::Subtract ? x.value - y.value
                                                        : x.value * y.value;
        if (Fits32(exact)) {
            return PinValue::Integer(exact, IntWidth::S32);
        }
        return PinValue::Real(
            RealOp(op, static_cast<double>(x.value), static_cast<double>(y.value)));
    }
    const auto ux = static_cast<std::uint64_t>(x.value);
    const auto uy = static_cast<std::uint64_t>(y.value);
    switch (op) {
    case Op::Add:
        return PinValue::Integer(static_cast<std::int64_t>(ux + uy), IntWidth::S64);
    case Op::Subtract:
        return PinValue::Integer(static_cast<std::int64_t>(ux - uy), IntWidth::S64);
    case Op::Multiply:
        break;
    }
    std::int64_t product = 0;
    if (__builtin_mul_overflow(x.value, y.value, &product)) {
        return PinValue::Real(static_cast<double>(x.value) * static_cast<double>(y.value));
    }
    return PinValue::Integer(product, IntWidth::S64);
}

enum class Direction { Left, Right };

PinValue Shift(Direction direction, const PinValue& value, const PinValue& count) {
    const Operand v = IntegerOperand(value);
    const Operand c = IntegerOperand(count);
    if (!v.wide && !c.wide) {
        const auto bits = static_cast<std::uint32_t>(v.value);
        const auto n = static_cast<unsigned>(c.value & 31);
        const std::uint32_t shifted = direction == Direction::Left ? bits << n : bits >> n;
        return PinValue::Integer(static_cast<std::int32_t>(shifted), IntWidth::S32);
    }
    // The count's low byte read as a signed number: 0 to 63 shift, 64 to 127 clear everything,
    // negative counts use their low five bits.
    const auto low = static_cast<std::int8_t>(static_cast<std::uint8_t>(c.value & 0xFF));
    const auto bits = static_cast<std::uint64_t>(v.value);
    std::uint64_t shifted = 0;
    if (low < 64) {
        const auto n = static_cast<unsigned>(low < 0 ? (low & 31) : low);
        shifted = direction == Direction::Left ? bits << n : bits >> n;
    }
    return PinValue::Integer(static_cast<std::int64_t>(shifted), IntWidth::S64);
}

enum class Logic { And, Or };

PinValue Combine(Logic logic, const PinValue& a, const PinValue& b) {
    if (a.IsBoolean() && b.IsBoolean()) {
        return PinValue::Boolean(logic == Logic::And ? a.BooleanValue() && b.BooleanValue()
                                                     : a.BooleanValue() || b.BooleanValue());
    }
    const Operand x = IntegerOperand(a);
    const Operand y = IntegerOperand(b);
    const std::int64_t bits = logic == Logic::And ? (x.value & y.value) : (x.value | y.value);
    if (!x.wide && !y.wide) {
        return PinValue::Integer(bits, IntWidth::S32);
    }
    return PinValue::Integer(bits, IntWidth::S64);
}

std::partial_ordering Compare(const PinValue& a, const PinValue& b) {
    if (a.IsReal() || b.IsReal()) {
        return a.ToReal() <=> b.ToReal();
    }
    return IntegerOperand(a).value <=> IntegerOperand(b).value;
}

} // namespace

PinValue Add(const PinValue& a, const PinValue& b) {
    return Arithmetic(Op::Add, a, b);
}
PinValue Subtract(const PinValue& a, const PinValue& b) {
    return Arithmetic(Op::Subtract, a, b);
}
PinValue Multiply(const PinValue& a, const PinValue& b) {
    return Arithmetic(Op::Multiply, a, b);
}

PinValue Divide(const PinValue& a, const PinValue& b) {
    return CheckedReal(a.ToReal() / b.ToReal());
}

PinValue ShiftLeft(const PinValue& value, const PinValue& count) {
    return Shift(Direction::Left, value, count);
}

PinValue ShiftRight(const PinValue& value, const PinValue& count) {
    return Shift(Direction::Right, value, count);
}

PinValue And(const PinValue& a, const PinValue& b) {
    return Combine(Logic::And, a, b);
}
PinValue Or(const PinValue& a, const PinValue& b) {
    return Combine(Logic::Or, a, b);
}

PinValue Not(const PinValue& value) {
    if (value.IsBoolean()) {
        return PinValue::Boolean(!value.BooleanValue());
    }
    if (!value.IsInteger()) {
        return PinValue::Integer(~IntegerOperand(value).value, IntWidth::S32);
    }
    const std::int64_t v = value.IntegerValue();
    switch (value.width()) {
    case IntWidth::U8:
        return PinValue::Integer(~v & 0xFF, IntWidth::U8);
    case IntWidth::S8:
        return PinValue::Integer(static_cast<std::int8_t>(~v), IntWidth::S8);
    case IntWidth::S16:
        return PinValue::Integer(static_cast<std::int16_t>(~v), IntWidth::S16);
    case IntWidth::S32:
        return PinValue::Integer(static_cast<std::int32_t>(~v), IntWidth::S32);
    case IntWidth::U16:
        return PinValue::Integer(~v & 0xFFFF, IntWidth::U16);
    case IntWidth::U32:
        return PinValue::Integer(~v & 0xFFFFFFFF, IntWidth::U32);
    case IntWidth::S64:
        break;
    }
    return PinValue::Integer(~v, IntWidth::S64);
}

bool NumericEqual(const PinValue& a, const PinValue& b) {
    return Compare(a, b) == 0;
}
bool NumericGreater(const PinValue& a, const PinValue& b) {
    return Compare(a, b) > 0;
}
bool NumericLess(const PinValue& a, const PinValue& b) {
    return Compare(a, b) < 0;
}

} // namespace vexa
