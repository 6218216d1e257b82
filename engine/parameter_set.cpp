#include "engine/parameter_set.h"

#include "engine/param_format.h"

#include <cmath>
#include <cstring>

namespace {

constexpr const char* kNames[kNumParams] = {"Process", " ", "Ratio", " ", "Time", "Compression",
                                            "Output",  " ", " ",     " ", " ",    " "};
constexpr const char* kModeTexts[] = {"Off", "Clear", "Valve"};
constexpr const char* kRatioTexts[] = {"1.2:1", "1.5:1", "2:1", "3:1", "4:1", "6:1", "10:1"};

// trunc(x + 0.5): rounds half up for the non-negative products used here.
int roundHalfUp(double x) {
    return static_cast<int>(std::trunc(x + 0.5));
}

int compressionStep(float v) {
    return roundHalfUp(std::pow(static_cast<double>(v), 0.7071) * 40.0);
}
int outputStep(float v) {
    return roundHalfUp(60.0 * static_cast<double>(v));
}

// The engine value of each active parameter, from its normalised value.
int processModeFor(float v) {
    return roundHalfUp(2.0 * static_cast<double>(v));
}
int ratioIndexFor(float v) {
    return roundHalfUp(6.0 * static_cast<double>(v));
}
double timeConstantFor(float v) {
    return 0.005 * std::pow(100.0, static_cast<double>(v));
}
double driveGainFor(float v) {
    return 0.125 * std::pow(1024.0, compressionStep(v) / 40.0);
}
double outputGainFor(float v) {
    return std::pow(31.622776601683793, outputStep(v) / 60.0);
}

} // namespace

std::optional<float> ParameterSet::set(int index, float value) {
    if (!isParameterIndex(index)) {
        return std::nullopt;
    }
    const float v = clampUnit(value);
    stored_[index].store(v, std::memory_order_relaxed);
    switch (index) {
    case kProcess:
        values_.processMode.store(processModeFor(v), std::memory_order_relaxed);
        break;
    case kRatio:
        values_.ratioIndex.store(ratioIndexFor(v), std::memory_order_relaxed);
        break;
    case kTime:
        values_.timeConstant.store(timeConstantFor(v), std::memory_order_relaxed);
        break;
    case kCompression:
        values_.driveTarget.store(driveGainFor(v), std::memory_order_relaxed);
        break;
    case kOutput:
        values_.outputTarget.store(outputGainFor(v), std::memory_order_relaxed);
        break;
    default:
        break;
    }
    return v;
}

float ParameterSet::get(int index) const {
    return isParameterIndex(index) ? stored_[index].load(std::memory_order_relaxed) : 0.0f;
}

void ParameterSet::name(int index, char* text) {
    std::strcpy(text, isParameterIndex(index) ? kNames[index] : " ");
}

void ParameterSet::label(int, char* text) {
    std::strcpy(text, " ");
}

void ParameterSet::display(int index, char* text) const {
    const float v = get(index);
    switch (index) {
    case kProcess: {
        const int mode = values_.processMode.load(std::memory_order_relaxed);
        std::strcpy(text, kModeTexts[mode == kModeValve ? 2 : mode == kModeClear ? 1 : 0]);
        break;
    }
    case kRatio: {
        const int ratio = values_.ratioIndex.load(std::memory_order_relaxed);
        std::strcpy(text, kRatioTexts[ratio < 0 ? 0 : ratio > 6 ? 6 : ratio]);
        break;
    }
    case kTime:
        formatParamNumber(roundHalfUp(20.0 * v) / 2.0, text);
        break;
    case kCompression:
        formatParamNumber(roundHalfUp(40.0 * v) / 4.0, text);
        break;
    case kOutput:
        formatParamNumber(outputStep(v) / 2.0, text);
        break;
    default:
        std::strcpy(text, " ");
        break;
    }
}
