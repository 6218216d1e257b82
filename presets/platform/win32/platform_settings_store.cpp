#include "presets/platform/win32/registry_settings_store.h"

SettingsStore& platformSettingsStore() {
    static RegistrySettingsStore store(HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER,
                                       "SOFTWARE\\Tav-soundlabs\\TAVAM1");
    return store;
}
