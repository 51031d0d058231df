#include "arithmetic_blocks.h"

#include "numeric.h"

namespace vexa {

namespace {

// The integer blocks that round write a signed 64-bit integer, whatever kind the result had.
PinValue ToSigned64(const PinValue& value) {
    if (value.IsReal()) {
        return PinValue::Integer(RoundToInt64(value.RealValue()), IntWidth::S64);
    }
    return PinValue::Integer(value.IsBoolean() ? -static_cast<std::int64_t>(value.BooleanValue())
                                               : value.IntegerValue(),
                             IntWidth::S64);
}

bool IsZero(const PinValue& divisor) {
    return NumericEqual(divisor, PinValue::Integer(0, IntWidth::S32));
}

} // namespace

void TArithmeticBlock::Execute() {
    if (Enabled()) {
        Compute();
    }
}

void TiADD::Compute() {
    Value(2) = Add(Value(0), Value(1));
}
void TiSUBB::Compute() {
    Value(2) = Subtract(Value(0), Value(1));
}
void TiMULL::Compute() {
    Value(2) = ToSigned64(Multiply(Value(0), Value(1)));
}

// A divisor of 0 is no fault: the output keeps its value.
void TiDIV::Compute() {
    if (!IsZero(Value(1))) {
        Value(2) = ToSigned64(Divide(Value(0), Value(1)));
    }
}

void TiSHR::Compute() {
    Value(2) = ShiftRight(Value(0), Value(1));
}
void TiSHL::Compute() {
    Value(2) = ShiftLeft(Value(0), Value(1));
}
void TiEQ::Compute() {
    Value(2) = PinValue::Boolean(NumericEqual(Value(0), Value(1)));
}
void TiGT::Compute() {
    Value(2) = PinValue::Boolean(NumericGreater(Value(0), Value(1)));
}
void TiLS::Compute() {
    Value(2) = PinValue::Boolean(NumericLess(Value(0), Value(1)));
}
void TiMOVE::Compute() {
    Value(1) = Value(0);
}

void TrADD::Compute() {
    Value(2) = Add(Value(0), Value(1));
}
void TrSUBB::Compute() {
    Value(2) = Subtract(Value(0), Value(1));
}
void TrMULL::Compute() {
    Value(2) = Multiply(Value(0), Value(1));
}

void TrDIV::Compute() {
    if (!IsZero(Value(1))) {
        Value(2) = Divide(Value(0), Value(1));
    }
}

void TrEQ::Compute() {
    Value(2) = PinValue::Boolean(NumericEqual(Value(0), Value(1)));
}
void TrGT::Compute() {
    Value(2) = PinValue::Boolean(NumericGreater(Value(0), Value(1)));
}
void TrLS::Compute() {
    Value(2) = PinValue::Boolean(NumericLess(Value(0), Value(1)));
}
void TrMOVE::Compute() {
    Value(1) = Value(0);
}
void TINT_TO_FLT::Compute() {
    Value(1) = PinValue::Real(ToSingle(Value(0).ToReal()));
}

void TFLT_TO_INT::Compute() {
    Value(1) = PinValue::Integer(RoundToInt64(Value(0).ToReal()), IntWidth::S64);
}

} // namespace vexa
