#include "process_image.h"

#include "numeric.h"
#include <bit>

namespace vexa {

namespace {

// Bit addresses reach every byte; numeric and real ones must end strictly before the last byte,
// so the last byte of an area is reachable only bit by bit.
bool BitInRange(std::span<const std::uint8_t> area, std::int32_t byte) {
    return static_cast<std::size_t>(byte) < area.size();
}

bool ValueInRange(std::span<const std::uint8_t> area, std::int32_t byte, int width) {
    return static_cast<std::size_t>(byte) + static_cast<std::size_t>(width) < area.size();
}

std::uint32_t LoadLittleEndian(const std::uint8_t* bytes, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void StoreLittleEndian(std::uint8_t* bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::int64_t SignExtend(std::uint32_t value, int width) {
    const int shift = 32 - 8 * width;
    return static_cast<std::int32_t>(value << shift) >> shift;
}

} // namespace

std::span<const std::uint8_t> ProcessImage::Bytes(Area area) const {
    switch (area) {
    case Area::I:
        return inputs_;
    case Area::Q:
        return outputs_;
    case Area::M:
        break;
    }
    return markers_;
}

std::span<std::uint8_t> ProcessImage::Bytes(Area area) {
    switch (area) {
    case Area::I:
        return inputs_;
    case Area::Q:
        return outputs_;
    case Area::M:
        break;
    }
    return markers_;
}

ReadResult<bool> ProcessImage::ReadBit(std::string_view text) const {
    const BitAddress address = ParseBitAddress(text);
    if (address.result == ParseResult::Constant) {
        return {address.constant, AccessStatus::Constant};
    }
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address || !BitInRange(area, address.byte)) {
        return {};
    }
    return {((area[address.byte] >> address.bit) & 1) != 0, AccessStatus::Location};
}

AccessStatus ProcessImage::WriteBit(std::string_view text, bool value) {
    const BitAddress address = ParseBitAddress(text);
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address || !BitInRange(area, address.byte)) {
        return AccessStatus::Invalid;
    }
    const auto mask = static_cast<std::uint8_t>(1u << address.bit);
    area[address.byte] = value ? (area[address.byte] | mask) : (area[address.byte] & ~mask);
    return AccessStatus::Written;
}

ReadResult<std::int64_t> ProcessImage::ReadSigned(std::string_view text) const {
    const NumericAddress address = ParseNumericAddress(text);
    if (address.result == ParseResult::Constant) {
        return {address.constant, AccessStatus::Constant};
    }
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address ||
        !ValueInRange(area, address.byte, address.width)) {
        return {};
    }
    const std::uint32_t raw = LoadLittleEndian(&area[address.byte], address.width);
    return {SignExtend(raw, address.width), AccessStatus::Location};
}

ReadResult<std::int64_t> ProcessImage::ReadUnsigned(std::string_view text) const {
    const NumericAddress address = ParseNumericAddress(text);
    if (address.result == ParseResult::Constant) {
        return {address.constant, AccessStatus::Constant};
    }
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address ||
        !ValueInRange(area, address.byte, address.width)) {
        return {};
    }
    return {LoadLittleEndian(&area[address.byte], address.width), AccessStatus::Location};
}

AccessStatus ProcessImage::WriteInteger(std::string_view text, std::int32_t value) {
    const NumericAddress address = ParseNumericAddress(text);
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address ||
        !ValueInRange(area, address.byte, address.width)) {
        return AccessStatus::Invalid;
    }
    StoreLittleEndian(&area[address.byte], static_cast<std::uint32_t>(value), address.width);
    return AccessStatus::Written;
}

ReadResult<double> ProcessImage::ReadReal(std::string_view text) const {
    const RealAddress address = ParseRealAddress(text);
    if (address.result == ParseResult::Constant) {
        return {address.constant, AccessStatus::Constant};
    }
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address || !ValueInRange(area, address.byte, 4)) {
        return {};
    }
    return {std::bit_cast<float>(LoadLittleEndian(&area[address.byte], 4)), AccessStatus::Location};
}

AccessStatus ProcessImage::WriteReal(std::string_view text, double value) {
    const RealAddress address = ParseRealAddress(text);
    const auto area = Bytes(address.area);
    if (address.result != ParseResult::Address || !ValueInRange(area, address.byte, 4)) {
        return AccessStatus::Invalid;
    }
    StoreLittleEndian(&area[address.byte], std::bit_cast<std::uint32_t>(ToSingle(value)), 4);
    return AccessStatus::Written;
}

void ProcessImage::ClearProcessImage() {
    inputs_.fill(0);
    outputs_.fill(0);
    markers_.fill(0);
}

} // namespace vexa
