#pragma once

#include <string>
#include <string_view>

namespace vexa {

// Case rules of addresses and names: only the letters a to z change case.
constexpr char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

} // namespace vexa
