// A drum-and-bass-like test signal, the same on every platform: a kick, a snare of noise, a
// hi-hat and a bass line, at four beats a second apart, with quiet and loud bars.
#pragma once

#include "host/audio_buffer.h"

AudioBuffer drumLoop(double sampleRate, double seconds, int channels);
