#pragma once

#include <cstdint>

namespace vexa {

// What the display blocks call on the operator panel: puts into its line buffers, and a flush
// that shows them. Calls with out-of-range arguments are ignored by the panel.
class DisplayOutput {
public:
    virtual ~DisplayOutput() = default;
    virtual void PutString(std::int32_t column, std::int32_t line, std::int32_t number) = 0;
    virtual void PutInteger(std::int32_t column, std::int32_t line, std::int32_t value) = 0;
    virtual void PutReal(std::int32_t column, std::int32_t line, double value,
                         std::int8_t decimals) = 0;
    virtual void Flush() = 0;
};

} // namespace vexa
