#include "host/audio_file.h"
#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/plugin_setup.h"
#include "host/render.h"
#include "presets/preset_files.h"
#include "presets/program_records.h"

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
    std::string presetFile;
    std::string bankFile;
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

// Stores the value of an option that takes one; answers false for an unknown option.
bool takeValue(const std::string& option, const std::string& value, RenderOptions& options) {
    if (option == "--program") {
        options.program = value;
    } else if (option == "--set") {
        options.assignments.push_back(value);
    } else if (option == "--plugin") {
        options.plugin = value;
    } else if (option == "--preset-file") {
        options.presetFile = value;
    } else if (option == "--bank") {
        options.bankFile = value;
    } else {
        return false;
    }
    return true;
}

bool parseOptions(const Arguments& arguments, RenderOptions& options, std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--double") {
            options.settings.doublePrecision = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            if (i + 1 >= arguments.size()) {
                error = "unknown option or missing value: '" + arg + "'";
                return false;
            }
            const std::string& value = arguments[++i];
            if (arg == "--block") {
                if (!parseBlockSize(value, options.settings.blockSize)) {
                    error = "--block needs a positive whole number, got '" + value + "'";
                    return false;
                }
            } else if (!takeValue(arg, value, options)) {
                error = "unknown option '" + arg + "'";
                return false;
            }
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
    if (!options.presetFile.empty() && !options.bankFile.empty()) {
        error = "--preset-file and --bank exclude each other";
        return false;
    }
    if (!options.presetFile.empty() && !options.program.empty()) {
        error = "--program chooses a factory program or a bank's program, not a preset file's";
        return false;
    }
    if (options.plugin.empty()) {
        options.plugin = pluginPath({}, 0);
    }
    return true;
}

std::string refusal(FileStatus status, const std::string& path) {
    const std::string_view message = fileStatusMessage(status);
    return path + ": " +
           (message.empty() ? std::string("cannot open the file") : std::string(message));
}

// A bank's program chosen by number or by name; a bank of names only keeps the factory values.
bool loadBankProgram(HostedPlugin& plugin, const RenderOptions& options, std::string& error) {
    const BankDecodeResult bank = readBankFile(options.bankFile);
    if (bank.status != FileStatus::Ok) {
        error = refusal(bank.status, options.bankFile);
        return false;
    }
    const std::string which = options.program.empty() ? "0" : options.program;
    const int chosen = findProgram(bank.records, which);
    if (chosen < 0) {
        error = options.bankFile + " has no program '" + which + "'";
        return false;
    }
    loadFileRecord(plugin, bank.namesOnly ? factoryBankRecords()[chosen] : bank.records[chosen]);
    return true;
}

bool loadPresetFile(HostedPlugin& plugin, const std::string& path, std::string& error) {
    const PresetDecodeResult preset = readPresetFile(path);
    if (preset.status != FileStatus::Ok) {
        error = refusal(preset.status, path);
        return false;
    }
    if (!preset.namesOnly) {
        loadFileRecord(plugin, preset.record);
    }
    return true;
}

bool configure(HostedPlugin& plugin, const RenderOptions& options, std::string& error) {
    if (!options.bankFile.empty()) {
        if (!loadBankProgram(plugin, options, error)) {
            return false;
        }
    } else if (!options.presetFile.empty()) {
        if (!loadPresetFile(plugin, options.presetFile, error)) {
            return false;
        }
    } else if (!options.program.empty()) {
        const std::vector<FileRecord> factory = factoryBankRecords();
        const int chosen = findProgram(factory, options.program);
        if (chosen < 0) {
            error = "unknown program '" + options.program + "'";
            return false;
        }
        loadFileRecord(plugin, factory[chosen]);
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
    std::unique_ptr<HostedPlugin> plugin = openPlugin(options.plugin, "render");
    if (!plugin) {
        return 1;
    }
    if (!configure(*plugin, options, error)) {
        std::fprintf(stderr, "amberlow render: %s\n", error.c_str());
        return 2;
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
