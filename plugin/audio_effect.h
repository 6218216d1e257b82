// The lowest effect layer: owns the record the host sees, answers the host's basic requests
// (opcodes 0 to 24) and offers the host queries every effect needs.
#pragma once

#include "plugin/vst_abi.h"

#include <memory>

class AEffEditor;

class AudioEffect {
public:
    AudioEffect(audioMasterCallback host, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate_ = rate; }
    virtual void setBlockSize(VstInt32 size) { blockSize_ = size; }

    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double**, double**, VstInt32) {}

    virtual void setParameter(VstInt32, float) {}
    virtual float getParameter(VstInt32) { return 0.0f; }
    virtual void setParameterAutomated(VstInt32 index, float value);

    virtual VstInt32 getProgram() { return currentProgram_; }
    virtual void setProgram(VstInt32 program) { currentProgram_ = program; }
    virtual void setProgramName(const char*) {}
    virtual void getProgramName(char* name) { name[0] = '\0'; }

    virtual void getParameterLabel(VstInt32, char* text) { text[0] = '\0'; }
    virtual void getParameterDisplay(VstInt32, char* text) { text[0] = '\0'; }
    virtual void getParameterName(VstInt32, char* text) { text[0] = '\0'; }

    virtual VstInt32 getChunk(void**, bool) { return 0; }
    virtual VstInt32 setChunk(void*, VstInt32, bool) { return 0; }

    void setUniqueID(VstInt32 id) { record_.uniqueID = id; }
    void setNumInputs(VstInt32 inputs) { record_.numInputs = inputs; }
    void setNumOutputs(VstInt32 outputs) { record_.numOutputs = outputs; }
    void canDoubleReplacing(bool state = true) { setFlag(effFlagsCanDoubleReplacing, state); }
    void setInitialDelay(VstInt32 delay) { record_.initialDelay = delay; }

    AEffEditor* getEditor() const { return editor_.get(); }
    // Takes ownership of the editor and tells the host there is one.
    void setEditor(std::unique_ptr<AEffEditor> editor);
    AEffect* getAeffect() { return &record_; }
    const AEffect* getAeffect() const { return &record_; }
    float getSampleRate() const { return sampleRate_; }
    VstInt32 getBlockSize() const { return blockSize_; }
    audioMasterCallback hostCallback() const { return host_; }

    // Host queries. Without a callback they do nothing, and a pin counts as connected.
    void masterIdle();
    bool isInputConnected(VstInt32 input);
    bool isOutputConnected(VstInt32 output);

    // The accumulating process entry: this effect only replaces, so it leaves outputs untouched.
    virtual void process(float**, float**, VstInt32) {}

    static AudioEffect* fromRecord(AEffect* record) {
        return static_cast<AudioEffect*>(record->object);
    }

protected:
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    void setFlag(VstInt32 flag, bool state);

private:
    audioMasterCallback host_;
    std::unique_ptr<AEffEditor> editor_;
    float sampleRate_ = 44100.0f;
    VstInt32 blockSize_ = 1024;
    VstInt32 currentProgram_ = 0;
    AEffect record_{};
};
