#include "presets/preset_files.h"

#include "presets/file_bytes.h"

namespace {

template <typename Result, typename Decode>
Result readWith(const std::filesystem::path& path, Decode decode) {
    const auto bytes = readFileBytes(path, kLongestMeaningfulFile);
    if (!bytes) {
        Result result;
        result.status = FileStatus::CannotOpen;
        return result;
    }
    return decode(*bytes);
}

FileStatus writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    return replaceFile(path, bytes) ? FileStatus::Ok : FileStatus::CannotSave;
}

} // namespace

PresetDecodeResult readPresetFile(const std::filesystem::path& path) {
    return readWith<PresetDecodeResult>(path, decodePreset);
}

BankDecodeResult readBankFile(const std::filesystem::path& path) {
    return readWith<BankDecodeResult>(path, decodeBank);
}

FileStatus writePresetFile(const std::filesystem::path& path, const FileRecord& record) {
    return writeBytes(path, encodePreset(record));
}

FileStatus writeBankFile(const std::filesystem::path& path, std::span<const FileRecord> records) {
    return writeBytes(path, encodeBank(records));
}
