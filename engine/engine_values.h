// The values the signal chain reads, derived from the normalised parameters. Written by the thread
// that sets a parameter, read by the audio thread: each is a lone atomic with relaxed ordering.
#pragma once

#include <atomic>

constexpr int kModeOff = 0;
constexpr int kModeClear = 1;
constexpr int kModeValve = 2;

struct EngineValues {
    std::atomic<int> processMode{0};
    std::atomic<int> ratioIndex{0};
    std::atomic<double> timeConstant{0.05};
    std::atomic<double> driveTarget{1.0};
    std::atomic<double> outputTarget{1.0};
};
