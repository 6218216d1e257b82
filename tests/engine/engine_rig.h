// A compressor engine with its values, input and output buffers, and the test signals the engine
// tests feed it.
#pragma once

#include "engine/compressor_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// The drive gain of Compression step k (0..40), as the control sets it.
inline double driveForStep(int k) {
    return 0.125 * std::pow(1024.0, k / 40.0);
}

template <typename T>
std::vector<T> sine(int frames, double frequency, double amplitude, double rate = 44100.0) {
    std::vector<T> v(frames);
    for (int i = 0; i < frames; ++i) {
        v[i] = static_cast<T>(amplitude * std::sin(6.283185307179586 * frequency * i / rate));
    }
    return v;
}

// Uniform noise in [-amplitude, amplitude) from a fixed seed, the same on every platform.
template <typename T>
std::vector<T> whiteNoise(int frames, double amplitude, std::uint32_t seed = 12345) {
    std::vector<T> v(frames);
    for (int i = 0; i < frames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        v[i] = static_cast<T>(amplitude * (seed / 2147483648.0 - 1.0));
    }
    return v;
}

template <typename T> struct EngineRig {
    EngineValues values;
    CompressorEngine engine{values};
    std::vector<T> in0, in1, out0, out1;

    // A running engine (constructed, settled, suspended and resumed at 44100 Hz) in `mode`, with
    // Time 50 ms and the given ratio position, drive and output gain.
    explicit EngineRig(int mode, int ratio = 3, double drive = driveForStep(25),
                       double output = 1.0) {
        values.processMode = mode;
        values.ratioIndex = ratio;
        values.timeConstant = 0.05;
        values.driveTarget = drive;
        values.outputTarget = output;
        engine.settleGains();
        engine.suspend();
        engine.resume(44100.0);
    }

    void feed(std::vector<T> left, std::vector<T> right) {
        in0 = std::move(left);
        in1 = std::move(right);
        out0.assign(in0.size(), T(0));
        out1.assign(in0.size(), T(0));
    }
    void feed(const std::vector<T>& both) { feed(both, both); }

    // Processes frames [from, from + frames) of the fed input into the same range of the outputs.
    void process(int from, int frames, bool input1Connected = true, bool output1Connected = true) {
        T* inputs[2] = {in0.data() + from, in1.data() + from};
        T* outputs[2] = {out0.data() + from, out1.data() + from};
        engine.process(inputs, outputs, frames, input1Connected, output1Connected);
    }

    // Processes the whole fed input in calls of `block` frames (the last one shorter).
    void run(int block = 512, bool input1Connected = true, bool output1Connected = true) {
        const int total = static_cast<int>(in0.size());
        for (int from = 0; from < total; from += block) {
            process(from, std::min(block, total - from), input1Connected, output1Connected);
        }
    }
};

template <typename T> double rms(const std::vector<T>& v, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(v[i]) * static_cast<double>(v[i]);
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

// Every double the engine keeps between samples, for checks that hold for all of them.
inline std::vector<double> engineState(const CompressorEngine& engine) {
    std::vector<double> state = {engine.driveGain(), engine.outputGain(), engine.envelope(),
                                 engine.smoothingOffset(), engine.meterGain()};
    for (int s = 0; s < CompressorEngine::kNumSections; ++s) {
        const CFilterSection& f = engine.section(static_cast<CompressorEngine::Section>(s));
        state.insert(state.end(),
                     {f.sampleRate, f.frequency, f.q, f.gainDb, f.denormalOffset, f.a0, f.a1, f.a2,
                      f.b0, f.b1, f.b2, f.x0, f.x1, f.x2, f.y0, f.y1, f.y2});
    }
    return state;
}
