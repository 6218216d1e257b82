// Preset and bank files on disk: read with their layout checked, written all or nothing.
#pragma once

#include "presets/preset_format.h"

#include <filesystem>

// status is CannotOpen when the file cannot be opened for reading, otherwise as decodePreset.
PresetDecodeResult readPresetFile(const std::filesystem::path& path);
BankDecodeResult readBankFile(const std::filesystem::path& path);

// Ok, or CannotSave with any previous file of that name left as it was.
FileStatus writePresetFile(const std::filesystem::path& path, const FileRecord& record);
FileStatus writeBankFile(const std::filesystem::path& path, std::span<const FileRecord> records);
