// The settings store on Linux: one text file per key in a per-user directory. Every write replaces
// the key's file by a complete new one, so concurrent instances never read a torn file.
#pragma once

#include "presets/settings_store.h"

#include <filesystem>
#include <optional>

class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path directory);

    std::unique_ptr<SettingsKey> openForWriting(std::string_view key) override;
    std::unique_ptr<SettingsKey> openForReading(std::string_view key) override;

private:
    std::optional<std::filesystem::path> keyFile(std::string_view key) const;

    std::filesystem::path directory_;
};

// $XDG_CONFIG_HOME/Tav-soundlabs/TAVAM1, or ~/.config/Tav-soundlabs/TAVAM1 when it is unset or
// not absolute; nothing when neither variable gives a directory.
std::optional<std::filesystem::path> settingsDirectory(const char* xdgConfigHome, const char* home);
