#include "counter.h"

namespace vexa {

namespace {

const PinValue kUpperLimit = PinValue::Integer(32767);
const PinValue kZero = PinValue::Integer(0);
const PinValue kOne = PinValue::Integer(1);

} // namespace

TpCOUNT::TpCOUNT(const BlockEnvironment& environment) : TFunction("pCOUNT", environment) {}

void TpCOUNT::Execute() {
    if (Enabled()) {
        // The order settles conflicts: opposite edges cancel, set beats counting, reset beats set.
        PinValue count = Value(kCount);
        if (Value(kUp).IsTrue() && !previousUp_ && NumericLess(count, kUpperLimit)) {
            count = Add(count, kOne);
        }
        if (Value(kDown).IsTrue() && !previousDown_ && NumericGreater(count, kZero)) {
            count = Subtract(count, kOne);
        }
        if (Value(kSet).IsTrue()) {
            count = Value(kPreset);
        }
        if (Value(kReset).IsTrue()) {
            count = kZero;
        }
        Value(kCount) = count;
        Value(kQ) = PinValue::Boolean(NumericGreater(count, kZero));
    }
    // Edges follow the inputs while disabled too, so an edge seen only then is lost.
    previousUp_ = Value(kUp).IsTrue();
    previousDown_ = Value(kDown).IsTrue();
}

} // namespace vexa
