#include "plugin/audio_effect.h"

#include "plugin/aeff_editor.h"

namespace {

VstIntPtr dispatchEntry(AEffect* record, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                        void* ptr, float opt) {
    AudioEffect* effect = AudioEffect::fromRecord(record);
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

void processEntry(AEffect* record, float** inputs, float** outputs, VstInt32 sampleFrames) {
    AudioEffect::fromRecord(record)->process(inputs, outputs, sampleFrames);
}

void processReplacingEntry(AEffect* record, float** inputs, float** outputs,
                           VstInt32 sampleFrames) {
    AudioEffect::fromRecord(record)->processReplacing(inputs, outputs, sampleFrames);
}

void processDoubleReplacingEntry(AEffect* record, double** inputs, double** outputs,
                                 VstInt32 sampleFrames) {
    AudioEffect::fromRecord(record)->processDoubleReplacing(inputs, outputs, sampleFrames);
}

void setParameterEntry(AEffect* record, VstInt32 index, float value) {
    AudioEffect::fromRecord(record)->setParameter(index, value);
}

float getParameterEntry(AEffect* record, VstInt32 index) {
    return AudioEffect::fromRecord(record)->getParameter(index);
}

} // namespace

AudioEffect::AudioEffect(audioMasterCallback host, VstInt32 numPrograms, VstInt32 numParams)
    : host_(host) {
    record_.magic = kEffectMagic;
    record_.dispatcher = dispatchEntry;
    record_.process = processEntry;
    record_.setParameter = setParameterEntry;
    record_.getParameter = getParameterEntry;
    record_.numPrograms = numPrograms;
    record_.numParams = numParams;
    record_.numInputs = 1;
    record_.numOutputs = 2;
    record_.flags = effFlagsCanReplacing;
    record_.ioRatio = 1.0f;
    record_.object = this;
    record_.uniqueID = fourCharCode("NoEf");
    record_.version = 1;
    record_.processReplacing = processReplacingEntry;
    record_.processDoubleReplacing = processDoubleReplacingEntry;
}

AudioEffect::~AudioEffect() = default;

void AudioEffect::setEditor(std::unique_ptr<AEffEditor> editor) {
    editor_ = std::move(editor);
    setFlag(effFlagsHasEditor, editor_ != nullptr);
}

void AudioEffect::setFlag(VstInt32 flag, bool state) {
    if (state) {
        record_.flags |= flag;
    } else {
        record_.flags &= ~flag;
    }
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                float opt) {
    return host_ ? host_(&record_, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

void AudioEffect::masterIdle() {
    callHost(audioMasterIdle);
}

bool AudioEffect::isInputConnected(VstInt32 input) {
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffect::isOutputConnected(VstInt32 output) {
    return callHost(audioMasterPinConnected, output, 1) == 0;
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < record_.numPrograms) {
            setProgram(static_cast<VstInt32>(value));
        }
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName(text);
        return 0;
    case effGetProgramName:
        getProgramName(text);
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, text);
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, text);
        return 0;
    case effGetParamName:
        getParameterName(index, text);
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0) {
            suspend();
        } else {
            resume();
        }
        return 0;
    case effEditGetRect:
        return editor_ && editor_->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen:
        return editor_ && editor_->open(ptr) ? 1 : 0;
    case effEditClose:
        if (editor_) {
            editor_->close();
        }
        return 0;
    case effEditIdle:
        if (editor_) {
            editor_->idle();
        }
        return 0;
    case effIdentify:
        return fourCharCode("NvEf");
    case effGetChunk:
        return getChunk(static_cast<void**>(ptr), index != 0);
    case effSetChunk:
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}
