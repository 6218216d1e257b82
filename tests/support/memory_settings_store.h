// A settings store held in memory, so tests start from a known, private state.
#pragma once

#include "presets/settings_store.h"

#include <map>
#include <string>

class MemorySettingsStore : public SettingsStore {
public:
    using Values = std::map<std::string, std::vector<unsigned char>, std::less<>>;

    std::unique_ptr<SettingsKey> openForWriting(std::string_view key) override;
    std::unique_ptr<SettingsKey> openForReading(std::string_view key) override;

    std::map<std::string, Values, std::less<>> keys;
    bool failWrites = false;
};
