#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// A text that is not a well-formed object outline; what() starts with the line number.
class NotationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct NotationProperty;

// One property value of the outline notation.
struct NotationValue {
    enum class Kind { Integer, Real, String, Identifier, Set, List, Items, Binary };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    double real = 0.0;
    std::string text;                                 // string (UTF-8) or identifier
    std::vector<NotationValue> elements;              // set and list members
    std::vector<std::vector<NotationProperty>> items; // collection items, each its properties
};

struct NotationProperty {
    std::string name;
    NotationValue value;
    int line = 0;
};

struct NotationObject {
    std::string name; // empty for an object without a name
    std::string className;
    std::vector<NotationProperty> properties;
    std::vector<NotationObject> children;
    int line = 0;
};

// Parses one object outline ("object Name: TClass", property lines, child objects, "end").
// Strings may join quoted parts, #nnn character codes and '+' continuation lines.
NotationObject ParseObjectNotation(std::string_view text);

// A string literal of the notation: single quotes with inner quotes doubled, control
// characters and `unsafe` characters as #nnn codes.
std::string QuoteNotationString(std::string_view utf8,
                                bool (*unsafe)(char32_t codePoint) = nullptr);
// A number as the notation writes it: whole numbers without a point, reals in their shortest
// exact form with a point or exponent.
std::string FormatNotationNumber(double value);
std::string FormatNotationReal(double value);

} // namespace vexa
