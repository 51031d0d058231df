#include "bit_functions.h"

namespace vexa {

void TbNOT::Execute() {
    Value(1) = Enabled() ? Not(Value(0)) : PinValue::Boolean(false);
}

void TbFP::Execute() {
    Value(1) = Enabled() ? And(Value(0), PinValue::Boolean(!previous_)) : PinValue::Boolean(false);
    previous_ = Value(0).IsTrue();
}

void TbFN::Execute() {
    Value(1) =
        Enabled() ? And(Not(Value(0)), PinValue::Boolean(previous_)) : PinValue::Boolean(false);
    previous_ = Value(0).IsTrue();
}

void TbRS::Execute() {
    if (!Enabled()) {
        Value(2) = PinValue::Boolean(false);
        return;
    }
    if (Value(0).IsTrue()) {
        Value(2) = PinValue::Boolean(false);
    }
    if (Value(1).IsTrue()) {
        Value(2) = PinValue::Boolean(true);
    }
}

} // namespace vexa
