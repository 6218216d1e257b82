#include "presets/platform/posix/file_settings_store.h"

#include <cstdlib>

SettingsStore& platformSettingsStore() {
    // Without a home directory the store has no place: every open fails and nothing persists.
    static FileSettingsStore store(
        settingsDirectory(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")).value_or(""));
    return store;
}
