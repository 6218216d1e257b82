// 32-bit IEEE-754 floats as the files and the settings store keep them: four bytes, little-endian,
// whatever the byte order of the machine.
#pragma once

#include <array>
#include <optional>
#include <span>

std::array<unsigned char, 4> littleEndianBytes(float value);
// Reads the four bytes at bytes.
float littleEndianFloat(const unsigned char* bytes);
// Nothing unless bytes holds exactly four bytes.
std::optional<float> littleEndianFloat(std::span<const unsigned char> bytes);
