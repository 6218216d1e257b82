#include "plugin/auto_comp.h"

#include "plugin/aeff_editor.h"
#include "presets/meter_preferences.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kEffectName = "Tav Amberlow";
constexpr const char* kVendor = "tav-soundlabs.de";
constexpr const char* kProduct = "Tav Amberlow - opto compressor";
constexpr const char* kCanDo[] = {
    "offline", "plugAsChannelInsert", "mixDryWet", "1in1out", "1in2out", "2in2out"};
constexpr int kInputPins = 4;
constexpr int kOutputPins = 2;

bool writePin(const char* format, VstInt32 index, VstPinProperties* properties) {
    std::snprintf(properties->label, sizeof(properties->label), format, index + 1);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}

} // namespace

AutoComp::AutoComp(audioMasterCallback host, SettingsStore& settings)
    : CPresetSystemEffect(host, kNumParams, settings), engine_(parameters_.engineValues()) {
    setNumInputs(2);
    setNumOutputs(2);
    canDoubleReplacing();
    setUniqueID(fourCharCode("TVAM"));

    initFactoryPrograms();
    for (int i = 0; i < kNumParams; ++i) {
        setParameter(i, program(0).getParameter(i));
    }
    engine_.settleGains();
    suspend();
    MeterPreferences(settings).readAll();
}

void AutoComp::suspend() {
    engine_.suspend();
    if (AEffEditor* editor = getEditor()) {
        editor->resetMeter();
    }
}

void AutoComp::resume() {
    CPresetSystemEffect::resume();
    engine_.resume(getSampleRate());
    setProgram(getProgram());
}

void AutoComp::setSampleRate(float rate) {
    CPresetSystemEffect::setSampleRate(rate);
    setInitialDelay(0);
}

void AutoComp::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    engine_.process(inputs, outputs, sampleFrames, isInputConnected(1), isOutputConnected(1));
}

void AutoComp::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
    engine_.process(inputs, outputs, sampleFrames, isInputConnected(1), isOutputConnected(1));
}

void AutoComp::setParameter(VstInt32 index, float value) {
    const std::optional<float> stored = parameters_.set(index, value);
    if (!stored) {
        return;
    }
    storeParameter(index, *stored);
    if (AEffEditor* editor = getEditor()) {
        editor->setParameter(index, *stored);
    }
}

void AutoComp::getParameterLabel(VstInt32 index, char* text) {
    ParameterSet::label(index, text);
}

void AutoComp::getParameterDisplay(VstInt32 index, char* text) {
    parameters_.display(index, text);
}

void AutoComp::getParameterName(VstInt32 index, char* text) {
    ParameterSet::name(index, text);
}

bool AutoComp::getInputProperties(VstInt32 index, VstPinProperties* properties) {
    return index >= 0 && index < kInputPins && writePin("Tav Amberlow %1d In", index, properties);
}

bool AutoComp::getOutputProperties(VstInt32 index, VstPinProperties* properties) {
    return index >= 0 && index < kOutputPins && writePin("Tav Amberlow %1d Out", index, properties);
}

bool AutoComp::setSpeakerArrangement(VstSpeakerArrangement* input, VstSpeakerArrangement* output) {
    const int in = input->numChannels;
    const int out = output->numChannels;
    bool useSecondInput = true;
    bool useSecondOutput = true;
    bool accepted = true;
    if (in == 1 && out == 1) {
        useSecondInput = false;
        useSecondOutput = false;
    } else if (in == 1 && out == 2) {
        useSecondInput = false;
    } else if (!(in == 2 && out == 2)) {
        accepted = false;
    }
    engine_.setChannelUse(useSecondInput, useSecondOutput);
    return accepted;
}

bool AutoComp::getEffectName(char* text) {
    std::strcpy(text, kEffectName);
    return true;
}

bool AutoComp::getVendorString(char* text) {
    std::strcpy(text, kVendor);
    return true;
}

bool AutoComp::getProductString(char* text) {
    std::strcpy(text, kProduct);
    return true;
}

VstInt32 AutoComp::canDo(const char* text) {
    for (const char* word : kCanDo) {
        if (std::strcmp(text, word) == 0) {
            return 1;
        }
    }
    return 0;
}
