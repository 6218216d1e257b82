#include "host/audio_buffer.h"

#include <cmath>

Levels measureLevels(const AudioBuffer& audio) {
    Levels levels;
    double sumOfSquares = 0.0;
    long count = 0;
    for (const std::vector<double>& channel : audio.channels) {
        for (double sample : channel) {
            levels.peak = std::fmax(levels.peak, std::fabs(sample));
            sumOfSquares += sample * sample;
        }
        count += static_cast<long>(channel.size());
    }
    levels.rms = count ? std::sqrt(sumOfSquares / static_cast<double>(count)) : 0.0;
    return levels;
}
