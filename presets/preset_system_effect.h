// The effect layer that keeps the program store: 33 program records, record 0 being the working
// program the host sees and records 1 to 32 the preset slots.
#pragma once

#include "plugin/audio_effect_x.h"
#include "presets/factory_programs.h"
#include "presets/program.h"

#include <array>
#include <atomic>

class SettingsStore;

class CPresetSystemEffect : public AudioEffectX {
public:
    // settings keeps the memory slots and preferences; it outlives the effect.
    CPresetSystemEffect(audioMasterCallback host, VstInt32 numParams, SettingsStore& settings);

    // Host program requests: the host sees record 0 only.
    VstInt32 getProgram() override { return 0; }
    void setProgram(VstInt32 program) override;
    void setProgramName(const char* name) override { setCurrentProgramName(name); }
    void getProgramName(char* name) override { programs_[0].getName(name); }
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;

    int getCurrentProgramIndex() const { return currentProgram_; }
    // Renames the current record and record 0 to the first 24 characters and tells the editor.
    void setCurrentProgramName(const char* text);
    // The editor's rename: the same names, then the host is asked to refresh its display.
    void renameCurrentProgram(const char* text);
    // Makes record index current and runs it: the engine takes its values, the host is told of
    // each change, and record 0 becomes a copy of it.
    void selectProgram(int index);
    void initFactoryPrograms();

    // The memory slots: store the current state into a slot, or recall a slot into it.
    void storeMemoA();
    void storeMemoB();
    void recallMemoA();
    void recallMemoB();
    SettingsStore& settings() { return settings_; }

    CProgram& program(int index) { return programs_[index]; }
    const CProgram& program(int index) const { return programs_[index]; }

protected:
    // Records a value the effect has just taken into the current record and record 0.
    void storeParameter(VstInt32 index, float value);
    void loadProgramParameter(VstInt32 index, float value);

private:
    // Names the current record and record 0 alike (each keeps at most 24 characters).
    void nameCurrentProgram(const char* text);

    SettingsStore& settings_;
    std::array<CProgram, kNumPrograms> programs_;
    // Read by parameter changes, which may come from any thread.
    std::atomic<int> currentProgram_{0};
    std::atomic<bool> programLoading_{false};
};
