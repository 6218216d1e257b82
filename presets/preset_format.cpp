#include "presets/preset_format.h"

#include "presets/little_endian_float.h"

#include <algorithm>

namespace {

std::uint32_t readLittleEndian32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

std::uint32_t readBigEndian32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

// Checks the identifier (in either byte order) and the kind byte; the length of the body is
// checked by the caller, which knows the layout.
FileStatus checkHeader(std::span<const unsigned char> bytes, unsigned char kind,
                       FileStatus wrongKind) {
    if (bytes.size() < kHeaderSize) {
        return FileStatus::InvalidFile;
    }
    if (readLittleEndian32(bytes.data()) != kPresetFileIdentifier &&
        readBigEndian32(bytes.data()) != kPresetFileIdentifier) {
        return FileStatus::InvalidFile;
    }
    return bytes[4] == kind ? FileStatus::Ok : wrongKind;
}

std::string readName(const unsigned char* field) {
    const auto* end = std::find(field, field + kNameFieldSize, 0);
    return std::string(field, end);
}

void readValues(const unsigned char* field, std::array<float, kNumParams>& values) {
    for (int i = 0; i < kNumParams; ++i) {
        values[i] = littleEndianFloat(field + 4 * i);
    }
}

FileRecord readRecord(const unsigned char* record) {
    FileRecord result;
    result.name = readName(record);
    readValues(record + kNameFieldSize, result.values);
    return result;
}

void appendHeader(std::vector<unsigned char>& out, unsigned char kind) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(kPresetFileIdentifier >> shift));
    }
    out.push_back(kind);
}

// The name followed by zeros; a 24-character name fills the field without a terminating zero.
void appendRecord(std::vector<unsigned char>& out, const FileRecord& record) {
    const std::string_view name(record.name.c_str());
    const std::size_t length = std::min(name.size(), kNameFieldSize);
    out.insert(out.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(length));
    out.insert(out.end(), kNameFieldSize - length, 0);
    for (float value : record.values) {
        const auto bytes = littleEndianBytes(value);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
}

// Checks the header, then the length: exactly namesOnlySize bytes carry names only, at least
// fullSize bytes the whole layout, and anything else is too short to read.
template <typename Result, typename ReadNames, typename ReadFull>
Result decodeLayout(std::span<const unsigned char> bytes, unsigned char kind, FileStatus wrongKind,
                    std::size_t namesOnlySize, std::size_t fullSize, ReadNames readNames,
                    ReadFull readFull) {
    Result result;
    result.status = checkHeader(bytes, kind, wrongKind);
    if (result.status != FileStatus::Ok) {
        return result;
    }
    const unsigned char* body = bytes.data() + kHeaderSize;
    if (bytes.size() == namesOnlySize) {
        result.namesOnly = true;
        readNames(body, result);
    } else if (bytes.size() >= fullSize) {
        readFull(body, result);
    } else {
        result.status = FileStatus::InvalidFile;
    }
    return result;
}

} // namespace

PresetDecodeResult decodePreset(std::span<const unsigned char> bytes) {
    return decodeLayout<PresetDecodeResult>(
        bytes, kPresetKind, FileStatus::NotAPreset, kNamesOnlyPresetFileSize, kPresetFileSize,
        [](const unsigned char* body, PresetDecodeResult& result) {
            result.record.name = readName(body);
        },
        [](const unsigned char* body, PresetDecodeResult& result) {
            result.record = readRecord(body);
        });
}

BankDecodeResult decodeBank(std::span<const unsigned char> bytes) {
    return decodeLayout<BankDecodeResult>(
        bytes, kBankKind, FileStatus::NotABank, kNamesOnlyBankFileSize, kBankFileSize,
        [](const unsigned char* body, BankDecodeResult& result) {
            for (int r = 0; r < kNamesOnlyBankRecordCount; ++r) {
                result.records.push_back({readName(body + r * kNameFieldSize), {}});
            }
        },
        [](const unsigned char* body, BankDecodeResult& result) {
            for (int r = 0; r < kBankRecordCount; ++r) {
                result.records.push_back(readRecord(body + r * kRecordSize));
            }
        });
}

std::vector<unsigned char> encodePreset(const FileRecord& record) {
    std::vector<unsigned char> out;
    out.reserve(kPresetFileSize);
    appendHeader(out, kPresetKind);
    appendRecord(out, record);
    return out;
}

std::vector<unsigned char> encodeBank(std::span<const FileRecord> records) {
    std::vector<unsigned char> out;
    out.reserve(kBankFileSize);
    appendHeader(out, kBankKind);
    for (int r = 0; r < kBankRecordCount; ++r) {
        appendRecord(out, r < static_cast<int>(records.size()) ? records[r] : FileRecord{});
    }
    return out;
}
