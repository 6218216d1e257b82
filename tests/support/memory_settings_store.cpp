#include "memory_settings_store.h"

namespace {

class MemoryKey : public SettingsKey {
public:
    explicit MemoryKey(MemorySettingsStore::Values& values) : values_(values) {}

    bool write(std::string_view name, SettingsValueKind,
               std::span<const unsigned char> bytes) override {
        values_[std::string(name)].assign(bytes.begin(), bytes.end());
        return true;
    }

    std::optional<std::vector<unsigned char>> read(std::string_view name) override {
        auto it = values_.find(name);
        if (it == values_.end()) {
            return std::nullopt;
        }
        return it->second;
    }

private:
    MemorySettingsStore::Values& values_;
};

} // namespace

std::unique_ptr<SettingsKey> MemorySettingsStore::openForWriting(std::string_view key) {
    if (failWrites) {
        return nullptr;
    }
    return std::make_unique<MemoryKey>(keys[std::string(key)]);
}

std::unique_ptr<SettingsKey> MemorySettingsStore::openForReading(std::string_view key) {
    auto it = keys.find(key);
    if (it == keys.end()) {
        return nullptr;
    }
    return std::make_unique<MemoryKey>(it->second);
}
