// The file dialogs and error messages of the preset bar, as the file procedures ask for them. The
// editor implements FileDialogs with the system's own dialogs on each platform.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

enum class FileDialogKind { LoadBank, SaveBank, LoadPreset, SavePreset };

// Every dialog offers two filters, "All Files" first and the file type second; the second is
// selected initially. A saving dialog asks before it overwrites a file; an opening dialog accepts
// only an existing file in an existing directory. Neither shows a read-only check box.
struct FileDialogSettings {
    std::string_view title;
    std::string_view filterName;
    std::string_view filterPattern;
    std::string_view defaultExtension;
    bool saving;
};

constexpr std::string_view kAllFilesFilterName = "All Files";
constexpr std::string_view kAllFilesFilterPattern = "*.*";

const FileDialogSettings& fileDialogSettings(FileDialogKind kind);

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Shows the dialog starting in directory with fileName pre-filled; answers the full path the
    // user chose, or nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path>
    chooseFile(FileDialogKind kind, const std::filesystem::path& directory,
               const std::filesystem::path& fileName) = 0;
    // A modal message box with no owner window, the caption kFileErrorCaption ("Error..."), the
    // error icon and a single OK button.
    virtual void showError(std::string_view message) = 0;
};
