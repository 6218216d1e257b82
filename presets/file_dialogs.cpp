#include "presets/file_dialogs.h"

namespace {

constexpr FileDialogSettings kSettings[] = {
    {"Select bank to load...", "Tav Banks", "*.tvb", "tvb", false},
    {"Save bank as...", "Tav Banks", "*.tvb", "tvb", true},
    {"Select preset to load...", "Tav Presets", "*.tvp", "tvp", false},
    {"Save preset as...", "Tav Presets", "*.tvp", "tvp", true},
};

} // namespace

const FileDialogSettings& fileDialogSettings(FileDialogKind kind) {
    return kSettings[static_cast<int>(kind)];
}
