// The text form of one settings key on Linux: a file a person can read and edit, one value a line,
//     param  0 = float 0.5
//     name = text Glue Things Together
// Floats are written in the shortest decimal form that reads back to the same 32 bits; any other
// binary value (and a float no decimal reproduces, such as a NaN payload) is written in hex.
#pragma once

#include "presets/settings_store.h"

#include <string>
#include <string_view>
#include <vector>

struct SettingsEntry {
    std::string name;
    SettingsValueKind kind = SettingsValueKind::Binary;
    // Text values are kept without their terminating zero.
    std::vector<unsigned char> bytes;
};

std::string formatSettingsFile(const std::vector<SettingsEntry>& entries);
// Lines that do not parse are skipped, so a damaged file loses only those values.
std::vector<SettingsEntry> parseSettingsFile(std::string_view text);
