#include "host/audio_file.h"
#include "host/commands.h"
#include "host/test_signal.h"

#include <sndfile.h>

#include <cstdio>
#include <cstdlib>

// amberlow generate OUT [--seconds S] [--mono] [--rate R]: writes the test signal.
int generateCommand(const Arguments& arguments) {
    std::string output;
    double seconds = 8.0;
    double rate = 44100.0;
    int channels = 2;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--mono") {
            channels = 1;
        } else if ((arg == "--seconds" || arg == "--rate") && i + 1 < arguments.size()) {
            char* end = nullptr;
            const double value = std::strtod(arguments[++i].c_str(), &end);
            if (*end != '\0' || !(value > 0) || value > (arg == "--rate" ? 384000.0 : 3600.0)) {
                std::fprintf(stderr, "amberlow generate: bad value for %s\n", arg.c_str());
                return 2;
            }
            (arg == "--seconds" ? seconds : rate) = value;
        } else if (arg[0] == '-' || !output.empty()) {
            std::fprintf(stderr, "amberlow generate: unexpected argument '%s'\n", arg.c_str());
            return 2;
        } else {
            output = arg;
        }
    }
    if (output.empty()) {
        std::fprintf(stderr, "amberlow generate: needs an output file\n");
        return 2;
    }
    std::string error;
    const std::optional<int> format =
        outputFormatFor(output, SF_FORMAT_WAV | SF_FORMAT_PCM_24, channels, error);
    if (!format || !writeAudioFile(output, drumLoop(rate, seconds, channels), *format, error)) {
        std::fprintf(stderr, "amberlow generate: %s\n", error.c_str());
        return 1;
    }
    std::printf("wrote %s (%.1f s, %d channel%s)\n", output.c_str(), seconds, channels,
                channels == 1 ? "" : "s");
    return 0;
}
