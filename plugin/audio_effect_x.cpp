#include "plugin/audio_effect_x.h"

#include "plugin/aeff_editor.h"

namespace {

// Requests whose ptr the effect reads or writes. Hosts may pass null with any opcode; such a
// request is answered 0 and changes nothing.
bool readsOrWritesPtr(VstInt32 opcode) {
    switch (opcode) {
    case effSetProgramName:
    case effGetProgramName:
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
    case effEditGetRect:
    case effGetChunk:
    case effSetChunk:
    case effGetProgramNameIndexed:
    case effGetInputProperties:
    case effGetOutputProperties:
    case effSetSpeakerArrangement:
    case effGetEffectName:
    case effGetVendorString:
    case effGetProductString:
    case effCanDo:
    case effGetSpeakerArrangement:
        return true;
    default:
        return false;
    }
}

// The two arrangement requests carry a second address in value.
bool readsOrWritesValue(VstInt32 opcode) {
    return opcode == effSetSpeakerArrangement || opcode == effGetSpeakerArrangement;
}

VstKeyCode keyCodeFrom(VstInt32 index, VstIntPtr value, float opt) {
    VstKeyCode key{};
    key.character = index;
    key.virt = static_cast<unsigned char>(value & 0xFF);
    key.modifier = static_cast<unsigned char>(static_cast<VstInt32>(opt) & 0xFF);
    return key;
}

} // namespace

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    if ((readsOrWritesPtr(opcode) && ptr == nullptr) ||
        (readsOrWritesValue(opcode) && value == 0)) {
        return 0;
    }
    char* text = static_cast<char*>(ptr);
    AEffEditor* editor = getEditor();
    switch (opcode) {
    case effProcessEvents:
        return processEvents(ptr);
    case effCanBeAutomated:
        return canParameterBeAutomated(index) ? 1 : 0;
    case effString2Parameter:
        return string2parameter(index, text) ? 1 : 0;
    case effGetProgramNameIndexed:
        return getProgramNameIndexed(static_cast<VstInt32>(value), index, text) ? 1 : 0;
    case effGetInputProperties:
        return getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effOfflineNotify:
    case effOfflinePrepare:
    case effOfflineRun:
    case effProcessVarIo:
        return 0;
    case effSetSpeakerArrangement:
        return setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                     static_cast<VstSpeakerArrangement*>(ptr))
                   ? 1
                   : 0;
    case effSetBypass:
        return setBypass(value != 0) ? 1 : 0;
    case effGetEffectName:
        return getEffectName(text) ? 1 : 0;
    case effGetVendorString:
        return getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return getProductString(text) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return canDo(text);
    case effGetTailSize:
        return getTailSize();
    case effGetParameterProperties:
        return 0;
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (!editor) {
            return 0;
        }
        VstKeyCode key = keyCodeFrom(index, value, opt);
        const bool used = opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key);
        return used ? 1 : 0;
    }
    case effSetEditKnobMode:
        return editor && editor->setKnobMode(static_cast<int>(value)) ? 1 : 0;
    case effGetCurrentMidiProgram:
        return -1;
    case effGetMidiProgramName:
    case effGetMidiProgramCategory:
    case effHasMidiProgramsChanged:
    case effGetMidiKeyName:
    case effBeginSetProgram:
    case effEndSetProgram:
        return 0;
    case effGetSpeakerArrangement:
        getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                              static_cast<VstSpeakerArrangement**>(ptr));
        return 0;
    case effShellGetNextPlugin:
    case effStartProcess:
    case effStopProcess:
        return 0;
    case effSetTotalSampleToProcess:
        return value;
    case effSetPanLaw:
    case effBeginLoadBank:
    case effBeginLoadProgram:
    case effSetProcessPrecision:
    case effGetNumMidiInputChannels:
    case effGetNumMidiOutputChannels:
        return 0;
    default:
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

void AudioEffectX::resume() {
    if (canDo("receiveVstMidiEvent") == 1 || isSynth()) {
        wantEvents();
    }
}

bool AudioEffectX::getSpeakerArrangement(VstSpeakerArrangement** input,
                                         VstSpeakerArrangement** output) {
    *input = nullptr;
    *output = nullptr;
    return false;
}

bool AudioEffectX::isSynth() const {
    return (getAeffect()->flags & effFlagsIsSynth) != 0;
}

bool AudioEffectX::beginEdit(VstInt32 index) {
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffectX::endEdit(VstInt32 index) {
    return callHost(audioMasterEndEdit, index) != 0;
}

bool AudioEffectX::updateDisplay() {
    return callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::canHostDo(const char* text) {
    return callHost(audioMasterCanDo, 0, 0, const_cast<char*>(text)) != 0;
}

bool AudioEffectX::sizeWindow(VstInt32 width, VstInt32 height) {
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

bool AudioEffectX::wantEvents() {
    return callHost(audioMasterWantMidi, 0, 1) != 0;
}
