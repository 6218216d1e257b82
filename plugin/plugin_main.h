// Creating an effect for a host: what the exported entry point does, minus the export itself.
#pragma once

#include "plugin/vst_abi.h"

class AudioEffect;
class SettingsStore;

// Builds one effect, or answers null when the host answers 0 to the version query or the effect
// cannot be built.
AudioEffect* createEffect(audioMasterCallback host, SettingsStore& settings);

// The entry point: asks the host's version, creates an effect and hands out its record.
AEffect* pluginMain(audioMasterCallback host, SettingsStore& settings);
