// The library's one exported entry point, under its two customary names.
#include "plugin/plugin_main.h"
#include "presets/settings_store.h"

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback host) {
    return pluginMain(host, platformSettingsStore());
}

#ifndef _WIN32
// A C++ function cannot be called main, so the second name is an assembler alias. (The Windows
// build exports it through the module-definition file.)
asm(".globl main\n.set main, VSTPluginMain");
#endif
