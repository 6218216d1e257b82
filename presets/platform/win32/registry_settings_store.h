// The settings store on Windows: registry keys below a base path. Writes go below the machine root
// when the process may write there and below the user root otherwise (a host without elevation
// cannot write the machine root); reads look below the user root first, then the machine root.
#pragma once

#include "presets/settings_store.h"

#include <string>

#include <windows.h>

class RegistrySettingsStore : public SettingsStore {
public:
    RegistrySettingsStore(HKEY machineRoot, HKEY userRoot, std::string basePath);

    std::unique_ptr<SettingsKey> openForWriting(std::string_view key) override;
    std::unique_ptr<SettingsKey> openForReading(std::string_view key) override;

private:
    std::string pathOf(std::string_view key) const;

    HKEY machineRoot_;
    HKEY userRoot_;
    std::string basePath_;
};
