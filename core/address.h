#pragma once

#include <cstdint>
#include <string_view>

namespace vexa {

// The three memory areas and the codes the parsers report (and the code emitter prints).
enum class Area : std::uint8_t { I = 0, Q = 1, M = 2 };

// Result code of a parser: -1 neither, 0 an address of the expected form, 1 a constant.
enum class ParseResult : std::int8_t { Neither = -1, Address = 0, Constant = 1 };

struct BitAddress {
    ParseResult result = ParseResult::Neither;
    Area area = Area::I;
    std::int32_t byte = 0;
    int bit = 0;
    bool constant = false;
};

struct NumericAddress {
    ParseResult result = ParseResult::Neither;
    Area area = Area::I;
    std::int32_t byte = 0;
    int width = 0; // bytes: 1, 2 or 4
    std::int32_t constant = 0;
};

struct RealAddress {
    ParseResult result = ParseResult::Neither;
    Area area = Area::I;
    std::int32_t byte = 0;
    float constant = 0.0f;
};

// The parsers upper-case the text (a to z only) and match it whole: no trimming of spaces.
// A byte number whose digits do not fit a 32-bit signed integer throws a Fault.
BitAddress ParseBitAddress(std::string_view text);
NumericAddress ParseNumericAddress(std::string_view text);
RealAddress ParseRealAddress(std::string_view text);

// Constants in the user's number format. The decimal separator is the point.
bool ParseRealNumber(std::string_view text, double& value);
// A number (non-zero reads true) or the word TRUE or FALSE in any letter case.
bool ParseBooleanConstant(std::string_view text, bool& value);
bool ParseIntegerConstant(std::string_view text, std::int32_t& value);

} // namespace vexa
