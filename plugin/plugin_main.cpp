#include "plugin/plugin_main.h"

#include "plugin/auto_comp.h"

#include <new>

namespace {

bool hostAnswersVersion(audioMasterCallback host) {
    return host && host(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) != 0;
}

} // namespace

AudioEffect* createEffect(audioMasterCallback host, SettingsStore& settings) {
    if (!hostAnswersVersion(host)) {
        return nullptr;
    }
    // Nothing may escape into the host: a failed construction is a null effect.
    try {
        return new AutoComp(host, settings);
    } catch (...) {
        return nullptr;
    }
}

AEffect* pluginMain(audioMasterCallback host, SettingsStore& settings) {
    if (!hostAnswersVersion(host)) {
        return nullptr;
    }
    AudioEffect* effect = createEffect(host, settings);
    return effect ? effect->getAeffect() : nullptr;
}
