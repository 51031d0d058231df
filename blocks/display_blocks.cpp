#include "display_blocks.h"

#include "numeric.h"

namespace vexa {

// The inputs are read before the enable test, so a value that does not fit faults even while
// the block is disabled. Without a panel (a check run of the blocks) nothing is shown.

TpDPL_STR::TpDPL_STR(const BlockEnvironment& environment) : TFunction("pDPL_STR", environment) {}

void TpDPL_STR::Execute() {
    const std::int32_t column = Value(kColumn).ToInt32();
    const std::int32_t line = Value(kLine).ToInt32();
    const std::int32_t number = Value(kNumber).ToInt32();
    if (Enabled() && environment().display != nullptr) {
        environment().display->PutString(column, line, number);
    }
}

TpDPL_INT::TpDPL_INT(const BlockEnvironment& environment) : TFunction("pDPL_INT", environment) {}

void TpDPL_INT::Execute() {
    const std::int32_t column = Value(kColumn).ToInt32();
    const std::int32_t line = Value(kLine).ToInt32();
    const std::int32_t value = Value(kValue).ToInt32();
    if (Enabled() && environment().display != nullptr) {
        environment().display->PutInteger(column, line, value);
    }
}

TpDPL_REAL::TpDPL_REAL(const BlockEnvironment& environment) : TFunction("pDPL_REAL", environment) {}

void TpDPL_REAL::Execute() {
    const std::int32_t column = Value(kColumn).ToInt32();
    const std::int32_t line = Value(kLine).ToInt32();
    // The panel takes only the low byte of the decimals, as a signed number.
    const auto decimals = static_cast<std::int8_t>(Value(kDecimals).ToInt32());
    const float value = ToSingle(Value(kValue).ToReal());
    if (Enabled() && environment().display != nullptr) {
        environment().display->PutReal(column, line, value, decimals);
    }
}

TpDPL_WBUF::TpDPL_WBUF(const BlockEnvironment& environment) : TFunction("pDPL_WBUF", environment) {}

void TpDPL_WBUF::Execute() {
    if (Enabled() && environment().display != nullptr) {
        environment().display->Flush();
    }
}

} // namespace vexa
