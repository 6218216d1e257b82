// The preset (.tvp) and bank (.tvb) file layouts: little-endian byte streams with no padding.
// Decoding checks the header and the length before it reads any record, so that whatever a file
// holds, it is either refused as a whole or read completely.
#pragma once

#include "engine/parameter_ids.h"
#include "presets/file_status.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The effect's unique ID, "TVAM"; written little-endian it reads "MAVT".
constexpr std::uint32_t kPresetFileIdentifier = 0x5456414D;
constexpr unsigned char kPresetKind = 33;
constexpr unsigned char kBankKind = 55;

constexpr std::size_t kNameFieldSize = 24;
constexpr std::size_t kHeaderSize = 5;
constexpr std::size_t kRecordSize = kNameFieldSize + 4 * kNumParams;
constexpr int kBankRecordCount = 33;
// A names-only bank carries the names of records 0 to 31 and no values.
constexpr int kNamesOnlyBankRecordCount = 32;

constexpr std::size_t kPresetFileSize = kHeaderSize + kRecordSize;
constexpr std::size_t kBankFileSize = kHeaderSize + kBankRecordCount * kRecordSize;
// Files of exactly these lengths carry names only.
constexpr std::size_t kNamesOnlyPresetFileSize = 149;
constexpr std::size_t kNamesOnlyBankFileSize = 4325;
// No layout depends on anything past this many bytes: every longer file reads the same.
constexpr std::size_t kLongestMeaningfulFile = kNamesOnlyBankFileSize + 1;

// One program as a file holds it: a name of at most 24 characters and twelve values, stored as
// they were written (a reader clamps them when it hands them to a program record).
struct FileRecord {
    std::string name;
    std::array<float, kNumParams> values{};
    bool operator==(const FileRecord&) const = default;
};

struct PresetDecodeResult {
    FileStatus status = FileStatus::InvalidFile;
    FileRecord record;
    // True for a names-only preset file: record.values carries nothing.
    bool namesOnly = false;
};

struct BankDecodeResult {
    FileStatus status = FileStatus::InvalidFile;
    // 33 records, or 32 for a names-only bank file.
    std::vector<FileRecord> records;
    bool namesOnly = false;
};

PresetDecodeResult decodePreset(std::span<const unsigned char> bytes);
BankDecodeResult decodeBank(std::span<const unsigned char> bytes);

std::vector<unsigned char> encodePreset(const FileRecord& record);
// Writes the first 33 records; missing ones are written as empty names with zero values.
std::vector<unsigned char> encodeBank(std::span<const FileRecord> records);
