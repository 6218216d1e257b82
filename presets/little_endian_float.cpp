#include "presets/little_endian_float.h"

#include <bit>
#include <cstdint>

std::array<unsigned char, 4> littleEndianBytes(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
            static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
}

float littleEndianFloat(const unsigned char* bytes) {
    const std::uint32_t bits = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                               std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    return std::bit_cast<float>(bits);
}

std::optional<float> littleEndianFloat(std::span<const unsigned char> bytes) {
    if (bytes.size() != 4) {
        return std::nullopt;
    }
    return littleEndianFloat(bytes.data());
}
