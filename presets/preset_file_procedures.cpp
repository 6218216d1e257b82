#include "presets/preset_file_procedures.h"

#include "presets/preset_bar_view.h"
#include "presets/preset_files.h"
#include "presets/preset_system_effect.h"
#include "presets/program_records.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

// The program clamps each value into [0, 1] as it takes it.
void applyValues(const FileRecord& record, CProgram& program) {
    for (int i = 0; i < kNumParams; ++i) {
        program.setParameter(i, record.values[i]);
    }
}

int menuEntryOf(int program) {
    return program == 0 ? 0 : program + 1;
}

} // namespace

PresetFileFields initialPresetFileFields() {
    std::error_code error;
    return {fs::current_path(error), {}, {}};
}

PresetFileProcedures::PresetFileProcedures(CPresetSystemEffect* effect, FileDialogs& dialogs,
                                           PresetBarView& view)
    : effect_(effect), dialogs_(dialogs), view_(view), fields_(initialPresetFileFields()) {}

std::optional<fs::path> PresetFileProcedures::chooseFile(FileDialogKind kind, fs::path& fileName) {
    if (!effect_) {
        return std::nullopt;
    }
    const auto chosen = dialogs_.chooseFile(kind, fields_.fileDirectory, fileName);
    if (!chosen || !chosen->has_filename() || !chosen->has_parent_path()) {
        return std::nullopt;
    }
    fields_.fileDirectory = chosen->parent_path();
    fileName = chosen->filename();
    return chosen;
}

template <typename Result>
std::optional<Result> PresetFileProcedures::chooseAndRead(FileDialogKind kind, fs::path& fileName,
                                                          Result (*read)(const fs::path&)) {
    const auto path = chooseFile(kind, fileName);
    if (!path) {
        return std::nullopt;
    }
    Result result = read(*path);
    if (result.status != FileStatus::Ok) {
        report(result.status);
        return std::nullopt;
    }
    return result;
}

void PresetFileProcedures::report(FileStatus status) {
    const std::string_view message = fileStatusMessage(status);
    if (!message.empty()) {
        dialogs_.showError(message);
    }
}

void PresetFileProcedures::loadBank() {
    const auto bank = chooseAndRead(FileDialogKind::LoadBank, fields_.bankFileName, readBankFile);
    if (!bank) {
        return;
    }
    for (int r = 0; r < static_cast<int>(bank->records.size()); ++r) {
        CProgram& program = effect_->program(r);
        program.setName(bank->records[r].name.c_str());
        view_.renameMenuEntry(menuEntryOf(r), program.name());
        if (!bank->namesOnly) {
            applyValues(bank->records[r], program);
        }
    }
    view_.showWorkingProgram(effect_->program(0).name());
    effect_->selectProgram(0);
}

void PresetFileProcedures::loadPreset() {
    const auto preset =
        chooseAndRead(FileDialogKind::LoadPreset, fields_.presetFileName, readPresetFile);
    if (!preset) {
        return;
    }
    const int current = effect_->getCurrentProgramIndex();
    CProgram& program = effect_->program(current);
    program.setName(preset->record.name.c_str());
    if (!preset->namesOnly) {
        applyValues(preset->record, program);
    }
    view_.programNameChanged(program.name());
    effect_->selectProgram(current);
}

void PresetFileProcedures::saveBank() {
    const auto path = chooseFile(FileDialogKind::SaveBank, fields_.bankFileName);
    if (!path) {
        return;
    }
    report(writeBankFile(*path, bankRecordsOf(*effect_)));
}

void PresetFileProcedures::savePreset() {
    const auto path = chooseFile(FileDialogKind::SavePreset, fields_.presetFileName);
    if (!path) {
        return;
    }
    report(
        writePresetFile(*path, fileRecordOf(effect_->program(effect_->getCurrentProgramIndex()))));
}
