// 32-bit floats as the settings store keeps them: four bytes, little-endian.
#pragma once

#include <array>
#include <optional>
#include <span>

std::array<unsigned char, 4> floatToSettingsBytes(float value);
// Nothing unless bytes holds exactly four bytes.
std::optional<float> floatFromSettingsBytes(std::span<const unsigned char> bytes);
