#include "presets/platform/win32/registry_settings_store.h"

#include <algorithm>

namespace {

// Far more than any value the effect writes; a larger value is not ours to read.
constexpr DWORD kMaxValueSize = 4096;

class RegistryKey : public SettingsKey {
public:
    // Reads try each handle in turn; writes go to the first.
    RegistryKey(HKEY first, HKEY second) : handles_{first, second} {}
    ~RegistryKey() override {
        for (HKEY handle : handles_) {
            if (handle) {
                RegCloseKey(handle);
            }
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool write(std::string_view name, SettingsValueKind kind,
               std::span<const unsigned char> bytes) override {
        std::vector<BYTE> data(bytes.begin(), bytes.end());
        if (kind == SettingsValueKind::Text) {
            data.erase(std::find(data.begin(), data.end(), 0), data.end());
            data.push_back(0);
        }
        const std::string valueName(name);
        return RegSetValueExA(handles_[0], valueName.c_str(), 0,
                              kind == SettingsValueKind::Text ? REG_SZ : REG_BINARY, data.data(),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

    std::optional<std::vector<unsigned char>> read(std::string_view name) override {
        const std::string valueName(name);
        for (HKEY handle : handles_) {
            if (!handle) {
                continue;
            }
            std::vector<unsigned char> data(kMaxValueSize);
            DWORD size = kMaxValueSize;
            if (RegQueryValueExA(handle, valueName.c_str(), nullptr, nullptr, data.data(), &size) ==
                ERROR_SUCCESS) {
                data.resize(size);
                return data;
            }
        }
        return std::nullopt;
    }

private:
    HKEY handles_[2];
};

HKEY createKey(HKEY root, const std::string& path) {
    HKEY handle = nullptr;
    const LONG result = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, nullptr, &handle, nullptr);
    return result == ERROR_SUCCESS ? handle : nullptr;
}

HKEY openKey(HKEY root, const std::string& path) {
    HKEY handle = nullptr;
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS ? handle
                                                                                    : nullptr;
}

} // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY machineRoot, HKEY userRoot, std::string basePath)
    : machineRoot_(machineRoot), userRoot_(userRoot), basePath_(std::move(basePath)) {}

std::string RegistrySettingsStore::pathOf(std::string_view key) const {
    return basePath_ + "\\" + std::string(key);
}

std::unique_ptr<SettingsKey> RegistrySettingsStore::openForWriting(std::string_view key) {
    const std::string path = pathOf(key);
    HKEY handle = createKey(machineRoot_, path);
    if (!handle) {
        handle = createKey(userRoot_, path);
    }
    return handle ? std::make_unique<RegistryKey>(handle, nullptr) : nullptr;
}

std::unique_ptr<SettingsKey> RegistrySettingsStore::openForReading(std::string_view key) {
    const std::string path = pathOf(key);
    HKEY user = openKey(userRoot_, path);
    HKEY machine = openKey(machineRoot_, path);
    if (!user && !machine) {
        return nullptr;
    }
    return std::make_unique<RegistryKey>(user ? user : machine, user ? machine : nullptr);
}
