// Audio held in memory, one vector of samples per channel.
#pragma once

#include <vector>

struct AudioBuffer {
    double sampleRate = 44100.0;
    std::vector<std::vector<double>> channels;

    int channelCount() const { return static_cast<int>(channels.size()); }
    long frames() const { return channels.empty() ? 0 : static_cast<long>(channels[0].size()); }
};

struct Levels {
    double peak = 0.0; // largest magnitude over all channels
    double rms = 0.0;  // over all samples of all channels
};

Levels measureLevels(const AudioBuffer& audio);
