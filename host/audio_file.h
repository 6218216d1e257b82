// Reading and writing audio files through libsndfile.
#pragma once

#include "host/audio_buffer.h"

#include <optional>
#include <string>

struct AudioFile {
    AudioBuffer audio;
    int format = 0; // libsndfile's major format and subtype
};

// Reads any file libsndfile reads; on failure answers nothing and says why in error.
std::optional<AudioFile> readAudioFile(const std::string& path, std::string& error);

// The format for writing path: the input's, unless the extension names another container.
std::optional<int> outputFormatFor(const std::string& path, int inputFormat, int channels,
                                   std::string& error);

// Writes the whole file under a temporary name beside path and renames it into place only when
// complete, so a failure never leaves a partial file (nor destroys an existing one).
bool writeAudioFile(const std::string& path, const AudioBuffer& audio, int format,
                    std::string& error);
