#include "presets/preset_system_effect.h"

#include "plugin/aeff_editor.h"
#include "presets/memory_slots.h"

CPresetSystemEffect::CPresetSystemEffect(audioMasterCallback host, VstInt32 numParams,
                                         SettingsStore& settings)
    : AudioEffectX(host, 1, numParams), settings_(settings) {
    initFactoryPrograms();
}

void CPresetSystemEffect::initFactoryPrograms() {
    for (int r = 0; r < kNumPrograms; ++r) {
        applyFactoryProgram(factoryPrograms()[r], programs_[r]);
    }
}

void CPresetSystemEffect::setProgram(VstInt32 program) {
    if (program < 0 || program >= kNumPrograms) {
        return;
    }
    for (int i = 0; i < kNumParams; ++i) {
        setParameter(i, programs_[program].getParameter(i));
    }
}

bool CPresetSystemEffect::getProgramNameIndexed(VstInt32, VstInt32 index, char* text) {
    if (index != 0) {
        return false;
    }
    programs_[0].getName(text);
    return true;
}

void CPresetSystemEffect::nameCurrentProgram(const char* text) {
    programs_[currentProgram_].setName(text);
    programs_[0].setName(text);
}

void CPresetSystemEffect::setCurrentProgramName(const char* text) {
    nameCurrentProgram(text);
    if (AEffEditor* editor = getEditor()) {
        editor->programNameChanged(programs_[0].name());
    }
}

void CPresetSystemEffect::renameCurrentProgram(const char* text) {
    nameCurrentProgram(text);
    updateDisplay();
}

void CPresetSystemEffect::selectProgram(int index) {
    if (index < 0 || index >= kNumPrograms) {
        return;
    }
    programLoading_ = true;
    currentProgram_ = index;
    for (int i = 0; i < kNumParams; ++i) {
        const float v = programs_[index].getParameter(i);
        loadProgramParameter(i, v);
        programs_[0].setParameter(i, v);
    }
    // Through a copy: with index 0 the record is renamed to its own name.
    char name[CProgram::kNameBytes];
    programs_[index].getName(name);
    programs_[0].setName(name);
    programLoading_ = false;
    updateDisplay();
}

void CPresetSystemEffect::loadProgramParameter(VstInt32 index, float value) {
    setParameter(index, value);
    if (hostCallback()) {
        callHost(audioMasterBeginEdit, index);
        callHost(audioMasterAutomate, index, 0, nullptr, getParameter(index));
        callHost(audioMasterAutomate, index, 0, nullptr, value);
        callHost(audioMasterEndEdit, index);
    }
}

void CPresetSystemEffect::storeParameter(VstInt32 index, float value) {
    if (programLoading_ || !isParameterIndex(index)) {
        return;
    }
    programs_[currentProgram_].setParameter(index, value);
    programs_[0].setParameter(index, value);
}

void CPresetSystemEffect::storeMemoA() {
    storeMemory(*this, settings_, MemorySlot::A);
}

void CPresetSystemEffect::storeMemoB() {
    storeMemory(*this, settings_, MemorySlot::B);
}

void CPresetSystemEffect::recallMemoA() {
    recallMemory(*this, settings_, MemorySlot::A);
}

void CPresetSystemEffect::recallMemoB() {
    recallMemory(*this, settings_, MemorySlot::B);
}
