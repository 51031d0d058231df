#pragma once

#include "address.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vexa {

// Status of every read and write of the process image.
enum class AccessStatus : std::int8_t { Invalid = -1, Written = 0, Constant = 1, Location = 2 };

template <class T> struct ReadResult {
    T value{};
    AccessStatus status = AccessStatus::Invalid;
};

// The simulated controller memory: three separate byte areas, little-endian multi-byte values,
// single-precision reals. Every operation parses its address text itself.
class ProcessImage {
public:
    static constexpr std::size_t kInputBytes = 50;
    static constexpr std::size_t kOutputBytes = 50;
    static constexpr std::size_t kMarkerBytes = 100;

    ReadResult<bool> ReadBit(std::string_view text) const;
    AccessStatus WriteBit(std::string_view text, bool value);
    ReadResult<std::int64_t> ReadSigned(std::string_view text) const;
    ReadResult<std::int64_t> ReadUnsigned(std::string_view text) const;
    AccessStatus WriteInteger(std::string_view text, std::int32_t value);
    ReadResult<double> ReadReal(std::string_view text) const;
    AccessStatus WriteReal(std::string_view text, double value);
    void ClearProcessImage();

    std::span<const std::uint8_t> Bytes(Area area) const;
    std::span<std::uint8_t> Bytes(Area area);

private:
    std::array<std::uint8_t, kInputBytes> inputs_{};
    std::array<std::uint8_t, kOutputBytes> outputs_{};
    std::array<std::uint8_t, kMarkerBytes> markers_{};
};

} // namespace vexa
