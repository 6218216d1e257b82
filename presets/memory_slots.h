// The two memory slots, A and B: one complete program each (twelve values and a name), kept in
// the settings store, so that a slot stored in one instance can be recalled in another or in a
// later session.
#pragma once

#include <string>

class CPresetSystemEffect;
class SettingsStore;

enum class MemorySlot { A, B };

// Writes the effect's twelve parameter values and the current program's name into the slot.
// Nothing is written when the slot's key cannot be created.
void storeMemory(CPresetSystemEffect& effect, SettingsStore& store, MemorySlot slot);

// Applies the slot as automated parameter changes, renames the current program and asks the host
// to refresh its display. A slot never stored changes nothing; a value that is missing or not a
// 4-byte float leaves its parameter as it is, and a missing name leaves the name.
void recallMemory(CPresetSystemEffect& effect, SettingsStore& store, MemorySlot slot);

// The value name of parameter index: "param" and the index right-aligned in three characters.
std::string memoryValueName(int index);
