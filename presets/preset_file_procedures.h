// The four file operations of the preset bar: load or save a bank of all 33 programs, load or save
// the current program as a preset. Each asks for a file, reports a file it refuses or a save that
// failed, and leaves the program store unchanged unless the whole file could be read.
#pragma once

#include "presets/file_dialogs.h"
#include "presets/file_status.h"

#include <filesystem>

class CPresetSystemEffect;
class PresetBarView;

// Where the dialogs start: kept by the editor for its whole life, across openings of its window.
struct PresetFileFields {
    std::filesystem::path fileDirectory;
    std::filesystem::path bankFileName;
    std::filesystem::path presetFileName;
};

// Dialogs first start in the process's working directory, with empty file names.
PresetFileFields initialPresetFileFields();

class PresetFileProcedures {
public:
    // effect may be null, in which case every operation does nothing.
    PresetFileProcedures(CPresetSystemEffect* effect, FileDialogs& dialogs, PresetBarView& view);

    void loadBank();
    void saveBank();
    void loadPreset();
    void savePreset();

    PresetFileFields& fields() { return fields_; }

private:
    // Asks for a file and remembers its directory and name for the next dialog; nothing without an
    // effect, when the dialog was cancelled, or when the path has no directory or no file name.
    std::optional<std::filesystem::path> chooseFile(FileDialogKind kind,
                                                    std::filesystem::path& fileName);
    // Asks for a file to load and reads it; nothing when the dialog was cancelled, the file cannot
    // be opened, or it is refused (the user is told why).
    template <typename Result>
    std::optional<Result> chooseAndRead(FileDialogKind kind, std::filesystem::path& fileName,
                                        Result (*read)(const std::filesystem::path&));
    // Shows the message of a refusal or a failed save; other statuses show nothing.
    void report(FileStatus status);

    CPresetSystemEffect* effect_;
    FileDialogs& dialogs_;
    PresetBarView& view_;
    PresetFileFields fields_;
};
