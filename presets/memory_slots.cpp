#include "presets/memory_slots.h"

#include "presets/preset_system_effect.h"
#include "presets/settings_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view kNameValue = "name";
// A stored name is read no further than this, terminated or not.
constexpr std::size_t kMaxStoredName = 64;

std::string_view keyOf(MemorySlot slot) {
    return slot == MemorySlot::A ? kMemoAKey : kMemoBKey;
}

std::string nameFrom(const std::vector<unsigned char>& bytes) {
    const auto end =
        bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), kMaxStoredName));
    return {bytes.begin(), std::find(bytes.begin(), end, 0)};
}

} // namespace

std::string memoryValueName(int index) {
    char name[16];
    std::snprintf(name, sizeof(name), "param%3d", index);
    return name;
}

void storeMemory(CPresetSystemEffect& effect, SettingsStore& store, MemorySlot slot) {
    const auto key = store.openForWriting(keyOf(slot));
    if (!key) {
        return;
    }
    for (int i = 0; i < kNumParams; ++i) {
        key->writeFloat(memoryValueName(i), effect.getParameter(i));
    }
    const char* name = effect.program(effect.getCurrentProgramIndex()).name();
    key->write(kNameValue, SettingsValueKind::Text,
               {reinterpret_cast<const unsigned char*>(name), std::strlen(name) + 1});
}

void recallMemory(CPresetSystemEffect& effect, SettingsStore& store, MemorySlot slot) {
    const auto key = store.openForReading(keyOf(slot));
    if (!key) {
        return;
    }
    for (int i = 0; i < kNumParams; ++i) {
        if (const auto value = key->readFloat(memoryValueName(i))) {
            // The host is told the value the effect keeps, not one outside [0, 1].
            effect.setParameterAutomated(i, clampUnit(*value));
        }
    }
    if (const auto name = key->read(kNameValue)) {
        effect.setCurrentProgramName(nameFrom(*name).c_str());
    }
    effect.updateDisplay();
}
