// What became of a preset or bank file operation, and the text the user is shown for it.
#pragma once

#include <string_view>

enum class FileStatus {
    Ok,
    // The file could not be opened for reading; loading stops without a message.
    CannotOpen,
    InvalidFile,
    NotABank,
    NotAPreset,
    // The file could not be written completely; any previous file of that name is intact.
    CannotSave,
};

// Caption of the message box that shows a refusal or a failed save.
constexpr std::string_view kFileErrorCaption = "Error...";

// The message shown to the user, or an empty text for a status that shows none.
std::string_view fileStatusMessage(FileStatus status);
