#include "host/audio_file.h"

#include "presets/file_bytes.h"

#include <sndfile.h>

#include <cstdio>
#include <strings.h>
#include <vector>

namespace {

std::string extensionOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    return path.substr(dot + 1);
}

// The major format whose usual extension is ext, or 0.
int majorFormatForExtension(const std::string& ext) {
    if (ext.empty()) {
        return 0;
    }
    if (strcasecmp(ext.c_str(), "aif") == 0) {
        return SF_FORMAT_AIFF;
    }
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof(count));
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info{};
        info.format = i;
        sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &info, sizeof(info));
        if (info.extension && strcasecmp(info.extension, ext.c_str()) == 0) {
            return info.format;
        }
    }
    return 0;
}

bool formatWorks(int format, int channels) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = channels;
    info.format = format;
    return sf_format_check(&info) != 0;
}

} // namespace

std::optional<AudioFile> readAudioFile(const std::string& path, std::string& error) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        error = path + ": " + sf_strerror(nullptr);
        return std::nullopt;
    }
    if (info.channels < 1 || info.channels > 2) {
        sf_close(file);
        error = path + ": " + std::to_string(info.channels) +
                " channels; only mono and stereo files can be processed";
        return std::nullopt;
    }
    std::vector<double> interleaved(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t read = sf_readf_double(file, interleaved.data(), info.frames);
    sf_close(file);

    AudioFile result;
    result.format = info.format;
    result.audio.sampleRate = info.samplerate;
    result.audio.channels.assign(info.channels, std::vector<double>(read));
    for (sf_count_t i = 0; i < read; ++i) {
        for (int c = 0; c < info.channels; ++c) {
            result.audio.channels[c][i] = interleaved[i * info.channels + c];
        }
    }
    return result;
}

std::optional<int> outputFormatFor(const std::string& path, int inputFormat, int channels,
                                   std::string& error) {
    const std::string ext = extensionOf(path);
    const int major = majorFormatForExtension(ext);
    if (major == 0 && !ext.empty()) {
        error = path + ": unknown audio file extension '" + ext + "'";
        return std::nullopt;
    }
    if (major == 0 || major == (inputFormat & SF_FORMAT_TYPEMASK)) {
        return inputFormat;
    }
    for (int subtype : {inputFormat & SF_FORMAT_SUBMASK, int{SF_FORMAT_PCM_24},
                        int{SF_FORMAT_PCM_16}, int{SF_FORMAT_FLOAT}, int{SF_FORMAT_VORBIS}}) {
        if (formatWorks(major | subtype, channels)) {
            return major | subtype;
        }
    }
    error = path + ": cannot write this kind of file";
    return std::nullopt;
}

bool writeAudioFile(const std::string& path, const AudioBuffer& audio, int format,
                    std::string& error) {
    const std::string temporary = temporaryBeside(path).string();
    SF_INFO info{};
    info.samplerate = static_cast<int>(audio.sampleRate);
    info.channels = audio.channelCount();
    info.format = format;
    SNDFILE* file = sf_open(temporary.c_str(), SFM_WRITE, &info);
    if (!file) {
        error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    // Clip rather than wrap when a file of integers receives samples beyond full scale.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const long frames = audio.frames();
    std::vector<double> interleaved(static_cast<std::size_t>(frames) * info.channels);
    for (long i = 0; i < frames; ++i) {
        for (int c = 0; c < info.channels; ++c) {
            interleaved[i * info.channels + c] = audio.channels[c][i];
        }
    }
    const sf_count_t written = sf_writef_double(file, interleaved.data(), frames);
    const int closed = sf_close(file);
    if (written != frames || closed != 0 || std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = path + ": writing failed";
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
