// The compressor engine: a stereo-linked, feed-forward compressor whose detector models an optical
// gain cell, followed by an optional valve stage and an output gain. It owns the engine state and
// runs the signal chain for 32-bit and 64-bit samples with identical (double-precision) arithmetic.
//
// Threads: process() runs on the audio thread; suspend(), resume() and setChannelUse() run while it
// does not. The engine values may be written from any thread at any time; meterGain() may be read
// from any thread. The state accessors are for the thread that processes.
#pragma once

#include "engine/engine_values.h"
#include "engine/filter_section.h"
#include "engine/noise_generator.h"

#include <atomic>

class CompressorEngine {
public:
    enum Section : int {
        kSideHighPassL,
        kSideHighPassR,
        kFastAverage,
        kSlowAverage,
        kOpticalEnvelope,
        kMeterSmoother,
        kNumSections,
    };

    // Sections designed at 44100 Hz, noise seeded, meter at rest (1.0). The smoothed drive and
    // output gains start at the targets current at construction.
    explicit CompressorEngine(EngineValues& values);

    // Jumps the smoothed drive and output gains to their current targets (no glide).
    void settleGains();
    // Redesigns and clears the detector, rests the meter at 1.0 and drops the envelope to its
    // floor.
    void suspend();
    // Redesigns every section for the host's rate and clears the detector. The smoothed gains, the
    // envelope and the noise carry on where they were.
    void resume(double sampleRate);
    // From the speaker-arrangement negotiation: whether the second input may be read and the second
    // output written. Both true initially.
    void setChannelUse(bool useSecondInput, bool useSecondOutput);

    // Replace outputs[0..1][0..frames) with the processed inputs. The connection flags are the
    // host's answers for input pin 1 and output pin 1. frames <= 0 changes nothing.
    void process(float** inputs, float** outputs, int frames, bool input1Connected,
                 bool output1Connected);
    void process(double** inputs, double** outputs, int frames, bool input1Connected,
                 bool output1Connected);

    // The compressor gain smoothed for a meter: 1.0 means no gain reduction.
    double meterGain() const { return meterGain_.load(std::memory_order_relaxed); }

    // Read-only view of the state.
    const CFilterSection& section(Section which) const { return sections_[which]; }
    double driveGain() const { return driveGain_; }
    double outputGain() const { return outputGain_; }
    double envelope() const { return envelope_; }
    double smoothingOffset() const { return smoothingOffset_; }
    const NoiseGenerator& noise() const { return noise_; }
    bool useSecondInput() const { return useSecondInput_; }
    bool useSecondOutput() const { return useSecondOutput_; }

private:
    template <typename T>
    void processBlock(T** inputs, T** outputs, int frames, bool input1Connected,
                      bool output1Connected);
    template <typename T> void bypass(const T* in0, const T* in1, T* out0, T* out1, int frames);
    template <typename T, bool Valve>
    void compress(const T* in0, const T* in1, T* out0, T* out1, int frames, int ratio);
    int clampedRatioIndex();
    void clearDetector();

    EngineValues& values_;
    CFilterSection sections_[kNumSections];
    NoiseGenerator noise_;
    double driveGain_;
    double outputGain_;
    double smoothingOffset_ = 1e-17;
    double envelope_ = 0.0001;
    bool useSecondInput_ = true;
    bool useSecondOutput_ = true;
    std::atomic<double> meterGain_{1.0};
};
