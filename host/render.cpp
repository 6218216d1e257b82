#include "host/render.h"

#include "host/hosted_plugin.h"

#include <algorithm>

namespace {

void negotiateChannels(HostedPlugin& plugin, int channels) {
    VstSpeakerArrangement input{};
    VstSpeakerArrangement output{};
    input.numChannels = channels;
    output.numChannels = channels;
    plugin.dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output);
    plugin.setSecondChannelConnected(channels > 1);
}

// Processes one precision: the blocks are copied into buffers of the sample type, so a float
// render sees exactly what a host with 32-bit buses would hand over.
template <typename T, typename Process>
void processAll(const AudioBuffer& input, AudioBuffer& output, const RenderSettings& settings,
                Process process) {
    const int block = std::max(1, settings.blockSize);
    const int channels = input.channelCount();
    std::vector<T> in[2] = {std::vector<T>(block), std::vector<T>(block)};
    std::vector<T> out[2] = {std::vector<T>(block), std::vector<T>(block)};
    T* inputs[2] = {in[0].data(), in[1].data()};
    T* outputs[2] = {out[0].data(), out[1].data()};
    const long frames = input.frames();
    for (long start = 0; start < frames; start += block) {
        const int count = static_cast<int>(std::min<long>(block, frames - start));
        for (int c = 0; c < channels; ++c) {
            for (int i = 0; i < count; ++i) {
                in[c][i] = static_cast<T>(input.channels[c][start + i]);
            }
        }
        process(inputs, outputs, count);
        for (int c = 0; c < channels; ++c) {
            for (int i = 0; i < count; ++i) {
                output.channels[c][start + i] = static_cast<double>(out[c][i]);
            }
        }
        if (settings.progress) {
            settings.progress(static_cast<double>(start + count) / static_cast<double>(frames));
        }
    }
}

} // namespace

AudioBuffer render(HostedPlugin& plugin, const AudioBuffer& input, const RenderSettings& settings) {
    AudioBuffer output;
    output.sampleRate = input.sampleRate;
    output.channels.assign(input.channels.size(), std::vector<double>(input.frames()));

    AEffect& record = plugin.record();
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(input.sampleRate));
    plugin.dispatch(effSetBlockSize, 0, std::max(1, settings.blockSize));
    negotiateChannels(plugin, input.channelCount());
    plugin.dispatch(effMainsChanged, 0, 1);
    if (settings.doublePrecision) {
        processAll<double>(input, output, settings, [&](double** in, double** out, int count) {
            record.processDoubleReplacing(&record, in, out, count);
        });
    } else {
        processAll<float>(input, output, settings, [&](float** in, float** out, int count) {
            record.processReplacing(&record, in, out, count);
        });
    }
    plugin.dispatch(effMainsChanged, 0, 0);
    return output;
}
