#pragma once

#include "process_image.h"
#include "text_grid.h"

#include <optional>
#include <string>

namespace vexa::cli {

// The kinds of value the symbol table reads and writes.
enum class ValueType { Bool, Int, Word, Real };

std::optional<ValueType> ValueTypeFromText(const std::string& text);
// The type the symbol table gives an address: BOOL, else INT, else REAL; none when invalid.
std::optional<ValueType> DetectType(const ProcessImage& memory, const std::string& address);
// The Type cell of the symbol table's first row on the address, when it names a kind.
std::optional<ValueType> SymbolTableType(const TextGrid& symbols, const std::string& address);
// The symbol table's value text: "True"/"False", decimal integers, general reals, or "ERROR".
std::string ValueText(const ProcessImage& memory, const std::string& address, ValueType type);
// Writes as the symbol table's Modify does; a text that does not convert is a Fault.
void WriteValue(ProcessImage& memory, const std::string& address, ValueType type,
                const std::string& text);

} // namespace vexa::cli
