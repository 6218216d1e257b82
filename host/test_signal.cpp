#include "host/test_signal.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kBeatsPerSecond = 2.0;

// A fixed-seed generator so the signal is identical everywhere.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
    }

private:
    std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

} // namespace

AudioBuffer drumLoop(double sampleRate, double seconds, int channels) {
    AudioBuffer audio;
    audio.sampleRate = sampleRate;
    const long frames = static_cast<long>(seconds * sampleRate);
    audio.channels.assign(channels, std::vector<double>(frames));
    Noise noise;
    const double bassNotes[] = {55.0, 55.0, 65.41, 49.0};
    for (long i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double beat = t * kBeatsPerSecond;
        const int beatIndex = static_cast<int>(beat);
        const double sinceBeat = (beat - beatIndex) / kBeatsPerSecond;
        const double sinceEighth = std::fmod(t, 0.5 / kBeatsPerSecond);
        // Every other bar of four beats is played softly, so the compressor has work to do.
        const double bar = (beatIndex / 4) % 2 == 0 ? 1.0 : 0.25;

        const double kickPhase =
            kTwoPi * (50.0 * sinceBeat + 8.0 * (1.0 - std::exp(-sinceBeat * 30.0)));
        const double kick =
            beatIndex % 2 == 0 ? std::sin(kickPhase) * std::exp(-sinceBeat * 9.0) : 0.0;
        const double hiss = noise.next();
        const double snare = beatIndex % 2 == 1 ? hiss * std::exp(-sinceBeat * 18.0) * 0.6 : 0.0;
        const double hat = hiss * std::exp(-sinceEighth * 120.0) * 0.15;
        const double bass = std::sin(kTwoPi * bassNotes[(beatIndex / 2) % 4] * t) * 0.3;

        const double mid = bar * (0.6 * kick + 0.8 * snare + 0.8 * bass);
        if (channels == 1) {
            audio.channels[0][i] = mid + bar * hat;
        } else {
            audio.channels[0][i] = mid + bar * hat * 1.2;
            audio.channels[1][i] = mid + bar * hat * 0.8;
        }
    }
    return audio;
}
