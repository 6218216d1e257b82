// Indices of the twelve host parameters. Five drive the compressor; the spare slots are stored,
// saved with programs and reported back, but change nothing.
#pragma once

enum ParameterIndex : int {
    kProcess = 0,
    kSpare1 = 1,
    kRatio = 2,
    kSpare3 = 3,
    kTime = 4,
    kCompression = 5,
    kOutput = 6,
    kSpare7 = 7,
    kSpare8 = 8,
    kSpare9 = 9,
    kSpare10 = 10,
    kSpare11 = 11,
    kNumParams = 12,
};

constexpr bool isParameterIndex(int index) {
    return index >= 0 && index < kNumParams;
}

// Parameter values live in [0, 1]. A NaN from a careless host counts as 0, so that no engine value
// is ever computed from it.
constexpr float clampUnit(float value) {
    if (!(value >= 0.0f)) {
        return 0.0f;
    }
    return value > 1.0f ? 1.0f : value;
}
