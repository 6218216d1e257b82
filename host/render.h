// Running audio through a hosted plug-in, block by block, as a host's audio engine does.
#pragma once

#include "host/audio_buffer.h"

#include <functional>

class HostedPlugin;

struct RenderSettings {
    int blockSize = 512;
    bool doublePrecision = false;
    // Called after each block with the fraction done.
    std::function<void(double)> progress;
};

// Sets the plug-in's rate from the input, negotiates mono or stereo, switches it on, processes
// every frame through processReplacing (or processDoubleReplacing) and switches it off again.
// The input has one or two channels; the output has as many.
AudioBuffer render(HostedPlugin& plugin, const AudioBuffer& input, const RenderSettings& settings);
