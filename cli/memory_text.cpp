#include "memory_text.h"

#include "address_blocks.h"

#include "number_format.h"
#include "text.h"

namespace vexa::cli {

std::optional<ValueType> ValueTypeFromText(const std::string& text) {
    const std::string upper = ToUpperAscii(text);
    if (upper == "BOOL") {
        return ValueType::Bool;
    }
    if (upper == "INT") {
        return ValueType::Int;
    }
    if (upper == "WORD") {
        return ValueType::Word;
    }
    if (upper == "REAL") {
        return ValueType::Real;
    }
    return std::nullopt;
}

std::optional<ValueType> DetectType(const ProcessImage& memory, const std::string& address) {
    if (memory.ReadBit(address).status != AccessStatus::Invalid) {
        return ValueType::Bool;
    }
    if (memory.ReadSigned(address).status != AccessStatus::Invalid) {
        return ValueType::Int;
    }
    if (memory.ReadReal(address).status != AccessStatus::Invalid) {
        return ValueType::Real;
    }
    return std::nullopt;
}

std::optional<ValueType> SymbolTableType(const TextGrid& symbols, const std::string& address) {
    for (int row = 1; row < symbols.RowCount(); ++row) {
        if (EqualsIgnoringCase(symbols.Cell(SymbolColumn::Address, row), address)) {
            return ValueTypeFromText(symbols.Cell(SymbolColumn::Type, row));
        }
    }
    return std::nullopt;
}

std::string ValueText(const ProcessImage& memory, const std::string& address, ValueType type) {
    switch (type) {
    case ValueType::Bool: {
        const auto read = memory.ReadBit(address);
        return read.status == AccessStatus::Invalid ? "ERROR" : (read.value ? "True" : "False");
    }
    case ValueType::Int:
    case ValueType::Word: {
        const auto read =
            type == ValueType::Int ? memory.ReadSigned(address) : memory.ReadUnsigned(address);
        return read.status == AccessStatus::Invalid ? "ERROR" : std::to_string(read.value);
    }
    case ValueType::Real:
        break;
    }
    const auto read = memory.ReadReal(address);
    return read.status == AccessStatus::Invalid ? "ERROR" : FormatGeneral(read.value);
}

void WriteValue(ProcessImage& memory, const std::string& address, ValueType type,
                const std::string& text) {
    const std::string upper = ToUpperAscii(text);
    switch (type) {
    case ValueType::Bool: {
        bool value = false;
        if (!ParseBooleanConstant(upper, value)) {
            throw NotABoolean(upper);
        }
        memory.WriteBit(address, value);
        return;
    }
    case ValueType::Int:
    case ValueType::Word: {
        std::int32_t value = 0;
        if (!ParseIntegerConstant(upper, value)) {
            throw NotAnInteger(upper);
        }
        memory.WriteInteger(address, value);
        return;
    }
    case ValueType::Real:
        break;
    }
    double value = 0.0;
    if (!ParseRealNumber(upper, value)) {
        throw NotAReal(upper);
    }
    memory.WriteReal(address, value);
}

} // namespace vexa::cli
