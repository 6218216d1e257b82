// Where the memory slots and preferences persist: a small key/value store shared by every instance
// on the machine. Windows keeps it in the registry; Linux in per-user files.
#pragma once

#include "presets/little_endian_float.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Binary values come back byte for byte. A text value is a zero-terminated string: what follows
// its first zero is not kept, and it comes back with one terminating zero.
enum class SettingsValueKind { Binary, Text };

// An open key. Writes and reads report failure by result; nothing throws.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    virtual bool write(std::string_view name, SettingsValueKind kind,
                       std::span<const unsigned char> bytes) = 0;
    virtual std::optional<std::vector<unsigned char>> read(std::string_view name) = 0;

    // A float is kept as a binary value of four little-endian bytes.
    bool writeFloat(std::string_view name, float value) {
        return write(name, SettingsValueKind::Binary, littleEndianBytes(value));
    }
    // Nothing when the value is missing or is not four bytes long.
    std::optional<float> readFloat(std::string_view name) {
        const auto bytes = read(name);
        return bytes ? littleEndianFloat(*bytes) : std::nullopt;
    }
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Opens the key, creating it if needed; null when that fails.
    virtual std::unique_ptr<SettingsKey> openForWriting(std::string_view key) = 0;
    // Opens an existing key; null when it does not exist or cannot be read.
    virtual std::unique_ptr<SettingsKey> openForReading(std::string_view key) = 0;
};

// The keys the effect uses.
constexpr std::string_view kMemoAKey = "MemoA";
constexpr std::string_view kMemoBKey = "MemoB";
constexpr std::string_view kPreferencesKey = "Preferences";

// The store of the platform the effect runs on, shared by all effects of the process.
SettingsStore& platformSettingsStore();
