#include "presets/file_status.h"

std::string_view fileStatusMessage(FileStatus status) {
    switch (status) {
    case FileStatus::InvalidFile:
        return "Error #01: Invalid preset file!";
    case FileStatus::NotABank:
        return "Not a bank file!";
    case FileStatus::NotAPreset:
        return "Error #02: Not a preset file!";
    case FileStatus::CannotSave:
        return "Error #03: Could not save the file!";
    case FileStatus::Ok:
    case FileStatus::CannotOpen:
        break;
    }
    return {};
}
