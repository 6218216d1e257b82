// Renders the test signal through the built plug-in binary and compares the result with a
// committed reference render. The Linux and the Windows binary are held to the same reference,
// so they render the same input to the same output, and any change of the sound shows up here.
// AMBERLOW_UPDATE_REFERENCE=1 rewrites the references (only do so for an intended change).
#include "host/hosted_plugin.h"
#include "host/plugin_setup.h"
#include "host/render.h"
#include "host/test_signal.h"
#include "presets/program_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// Differences of the platforms' maths libraries in the last bits stay far below this (-120 dB).
constexpr double kTolerance = 1e-6;

struct ReferenceCase {
    const char* file;
    const char* program;
    int channels;
    bool doublePrecision;
    int blockSize;
};

const ReferenceCase kCases[] = {
    {"stereo_default_float.f32", "Default", 2, false, 512},
    {"stereo_fastlim_double.f32", "FastLim", 2, true, 64},
    {"mono_vox_float.f32", "Vox", 1, false, 100},
};

std::string referencePath(const char* file) {
    return std::string(AMBERLOW_REFERENCE_DIR) + "/" + file;
}

void writeReference(const std::string& path, const AudioBuffer& audio) {
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < audio.frames(); ++i) {
        for (const std::vector<double>& channel : audio.channels) {
            const float sample = static_cast<float>(channel[i]);
            out.write(reinterpret_cast<const char*>(&sample), sizeof(sample));
        }
    }
}

std::vector<float> readReference(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<float> samples;
    float sample;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof(sample))) {
        samples.push_back(sample);
    }
    return samples;
}

TEST(RenderReference, BinaryRendersTheReference) {
    const bool update = std::getenv("AMBERLOW_UPDATE_REFERENCE") != nullptr;
    for (const ReferenceCase& c : kCases) {
        std::string error;
        auto plugin = HostedPlugin::load(executableDirectory() + AMBERLOW_PLUGIN_FILE, error);
        ASSERT_NE(plugin, nullptr) << error;
        const std::vector<FileRecord> factory = factoryBankRecords();
        loadFileRecord(*plugin, factory[findProgram(factory, c.program)]);
        RenderSettings settings;
        settings.blockSize = c.blockSize;
        settings.doublePrecision = c.doublePrecision;
        const AudioBuffer output = render(*plugin, drumLoop(44100.0, 0.6, c.channels), settings);
        if (update) {
            writeReference(referencePath(c.file), output);
            continue;
        }
        const std::vector<float> reference = readReference(referencePath(c.file));
        ASSERT_EQ(reference.size(), static_cast<std::size_t>(output.frames() * c.channels))
            << c.file;
        double worst = 0.0;
        for (long i = 0; i < output.frames(); ++i) {
            for (int ch = 0; ch < c.channels; ++ch) {
                worst = std::fmax(
                    worst, std::fabs(output.channels[ch][i] - reference[i * c.channels + ch]));
            }
        }
        EXPECT_LT(worst, kTolerance) << c.file;
        std::printf("%s: largest difference from the reference %.3g\n", c.file, worst);
    }
}

} // namespace
