#include "host/audio_file.h"
#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/plugin_setup.h"
#include "host/render.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct RenderOptions {
    std::string input;
    std::string output;
    std::string plugin;
    std::string program;
    std::vector<std::string> assignments;
    RenderSettings settings;
};

bool parseBlockSize(const std::string& text, int& blockSize) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 1 << 20) {
        return false;
    }
    blockSize = static_cast<int>(value);
    return true;
}

bool parseOptions(const Arguments& arguments, RenderOptions& options, std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--double") {
            options.settings.doublePrecision = true;
        } else if (arg == "--block" || arg == "--program" || arg == "--set" || arg == "--plugin") {
            if (!hasValue) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = arguments[++i];
            if (arg == "--block" && !parseBlockSize(value, options.settings.blockSize)) {
                error = "--block needs a positive whole number, got '" + value + "'";
                return false;
            }
            if (arg == "--program") {
                options.program = value;
            } else if (arg == "--set") {
                options.assignments.push_back(value);
            } else if (arg == "--plugin") {
                options.plugin = value;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        error = "render needs an input and an output file";
        return false;
    }
    options.input = positional[0];
    options.output = positional[1];
    if (options.plugin.empty()) {
        options.plugin = pluginPath({}, 0);
    }
    return true;
}

bool configure(HostedPlugin& plugin, const RenderOptions& options, std::string& error) {
    if (!options.program.empty()) {
        const FactoryProgram* program = findFactoryProgram(options.program);
        if (!program) {
            error = "unknown program '" + options.program + "'";
            return false;
        }
        loadFactoryProgram(plugin, *program);
    }
    for (const std::string& assignment : options.assignments) {
        if (!setNamedParameter(plugin, assignment, error)) {
            return false;
        }
    }
    return true;
}

double decibels(double level) {
    return level > 0 ? 20.0 * std::log10(level) : -INFINITY;
}

void printLevels(const char* what, const AudioBuffer& audio) {
    const Levels levels = measureLevels(audio);
    std::printf("%s peak %7.2f dBFS, RMS %7.2f dBFS\n", what, decibels(levels.peak),
                decibels(levels.rms));
}

// Long files show their progress on a terminal.
std::function<void(double)> progressReporter(const AudioBuffer& audio) {
    constexpr double kLongSeconds = 20.0;
    if (!isatty(STDERR_FILENO) ||
        static_cast<double>(audio.frames()) < kLongSeconds * audio.sampleRate) {
        return {};
    }
    return [last = -1](double fraction) mutable {
        const int percent = static_cast<int>(fraction * 100.0);
        if (percent != last) {
            last = percent;
            std::fprintf(stderr, "\rprocessing %3d%%%s", percent, percent == 100 ? "\n" : "");
        }
    };
}

} // namespace

int renderCommand(const Arguments& arguments) {
    RenderOptions options;
    std::string error;
    if (!parseOptions(arguments, options, error)) {
        std::fprintf(stderr, "amberlow render: %s\n", error.c_str());
        return 2;
    }
    std::optional<AudioFile> input = readAudioFile(options.input, error);
    if (!input) {
        std::fprintf(stderr, "amberlow render: %s\n", error.c_str());
        return 1;
    }
    const std::optional<int> format =
        outputFormatFor(options.output, input->format, input->audio.channelCount(), error);
    if (!format) {
        std::fprintf(stderr, "amberlow render: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<HostedPlugin> plugin = HostedPlugin::load(options.plugin, error);
    if (!plugin || !configure(*plugin, options, error)) {
        std::fprintf(stderr, "amberlow render: %s\n", error.c_str());
        return plugin ? 2 : 1;
    }
    options.settings.progress = progressReporter(input->audio);
    const AudioBuffer output = render(*plugin, input->audio, options.settings);
    if (!writeAudioFile(options.output, output, *format, error)) {
        std::fprintf(stderr, "amberlow render: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s -> %s (%ld frames, %d channel%s, %.0f Hz, %s, block %d)\n",
                options.input.c_str(), options.output.c_str(), output.frames(),
                output.channelCount(), output.channelCount() == 1 ? "" : "s", output.sampleRate,
                options.settings.doublePrecision ? "double" : "float", options.settings.blockSize);
    printLevels("input: ", input->audio);
    printLevels("output:", output);
    return 0;
}
