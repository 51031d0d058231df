#pragma once

#include <cstdint>
#include <string>

namespace vexa {

// Width of an integer pin value. The width decides how arithmetic treats the value.
enum class IntWidth : std::uint8_t { U8, S8, S16, S32, U16, U32, S64 };

// Signed 8, 16, 32 and unsigned 8 bits form the 32-bit group; the others the 64-bit group.
bool IsWideGroup(IntWidth width);

// The tagged value of a pin: empty, boolean, integer of a recorded width, or real.
class PinValue {
public:
    enum class Kind : std::uint8_t { Empty, Boolean, Integer, Real };

    PinValue() = default;
    static PinValue Boolean(bool value);
    static PinValue Integer(std::int64_t value, IntWidth width = IntWidth::S32);
    static PinValue Real(double value);
    // The integer 0 of byte width that pin creation and the reset deliver.
    static PinValue ResetZero() { return Integer(0, IntWidth::U8); }

    Kind kind() const { return kind_; }
    IntWidth width() const { return width_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsBoolean() const { return kind_ == Kind::Boolean; }
    bool IsInteger() const { return kind_ == Kind::Integer; }
    bool IsReal() const { return kind_ == Kind::Real; }
    bool BooleanValue() const { return integer_ != 0; }
    std::int64_t IntegerValue() const { return integer_; }
    double RealValue() const { return real_; }

    // Boolean true or a non-zero number; empty and 0 read false.
    bool IsTrue() const;
    // True counts as -1, reals round to nearest with halves to even; out of range is a Fault.
    std::int32_t ToInt32() const;
    double ToReal() const;

    friend bool operator==(const PinValue&, const PinValue&) = default;

private:
    Kind kind_ = Kind::Empty;
    IntWidth width_ = IntWidth::S32;
    std::int64_t integer_ = 0; // booleans keep 1 or 0 here
    double real_ = 0.0;
};

// The text shown for a pin value: "1"/"0", decimal integers, reals rounded to four decimals.
std::string PinValueText(const PinValue& value);

// Arithmetic on tagged values. Faults (overflow, invalid operation) throw vexa::Fault.
PinValue Add(const PinValue& a, const PinValue& b);
PinValue Subtract(const PinValue& a, const PinValue& b);
PinValue Multiply(const PinValue& a, const PinValue& b);
// Real quotient of the two values read as reals; the caller skips a divisor equal to 0.
PinValue Divide(const PinValue& a, const PinValue& b);
PinValue ShiftLeft(const PinValue& value, const PinValue& count);
PinValue ShiftRight(const PinValue& value, const PinValue& count);
// Two booleans combine logically; otherwise bitwise, a boolean counting as -1 or 0.
PinValue And(const PinValue& a, const PinValue& b);
PinValue Or(const PinValue& a, const PinValue& b);
// Logical for a boolean, the bitwise complement at the value's own width for an integer.
PinValue Not(const PinValue& value);

// Numeric comparisons of integers and reals alike.
bool NumericEqual(const PinValue& a, const PinValue& b);
bool NumericGreater(const PinValue& a, const PinValue& b);
bool NumericLess(const PinValue& a, const PinValue& b);

} // namespace vexa
