// The effect itself: the optical compressor with its twelve parameters, its engine and its
// identity towards the host.
#pragma once

#include "engine/compressor_engine.h"
#include "engine/parameter_set.h"
#include "presets/preset_system_effect.h"

class SettingsStore;

class AutoComp : public CPresetSystemEffect {
public:
    AutoComp(audioMasterCallback host, SettingsStore& settings);

    void suspend() override;
    void resume() override;
    void setSampleRate(float rate) override;

    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override { return parameters_.get(index); }
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;

    bool getInputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    VstInt32 getPlugCategory() override { return kPlugCategMastering; }
    bool setSpeakerArrangement(VstSpeakerArrangement* input,
                               VstSpeakerArrangement* output) override;
    bool getEffectName(char* text) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override { return 1100; }
    VstInt32 canDo(const char* text) override;

    const CompressorEngine& engine() const { return engine_; }
    const ParameterSet& parameters() const { return parameters_; }

private:
    ParameterSet parameters_;
    CompressorEngine engine_;
};
