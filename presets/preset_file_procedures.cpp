#include "presets/preset_file_procedures.h"

#include "presets/preset_bar_view.h"
#include "presets/preset_files.h"
#include "presets/preset_system_effect.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

FileRecord recordOf(const CProgram& program) {
    FileRecord record{program.name(), {}};
    for (int i = 0; i < kNumParams; ++i) {
        record.values[i] = program.getParameter(i);
    }
    return record;
}

// The program clamps each value into [0, 1] as it takes it.
void applyValues(const FileRecord& record, CProgram& program) {
    for (int i = 0; i < kNumParams; ++i) {
        program.setParameter(i, record.values[i]);
    }
}

static_assert(kBankRecordCount == kNumPrograms);

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
    const auto chosen = dialogs_.chooseFile(kind, fields_.fileDirectory, fileName);
    if (!chosen || !chosen->has_filename() || !chosen->has_parent_path()) {
        return std::nullopt;
    }
    fields_.fileDirectory = chosen->parent_path();
    fileName = chosen->filename();
    return chosen;
}

void PresetFileProcedures::report(FileStatus status) {
    const std::string_view message = fileStatusMessage(status);
    if (!message.empty()) {
        dialogs_.showError(message);
    }
}

void PresetFileProcedures::loadBank() {
    if (!effect_) {
        return;
    }
    const auto path = chooseFile(FileDialogKind::LoadBank, fields_.bankFileName);
    if (!path) {
        return;
    }
    const BankDecodeResult bank = readBankFile(*path);
    if (bank.status != FileStatus::Ok) {
        report(bank.status);
        return;
    }
    for (int r = 0; r < static_cast<int>(bank.records.size()); ++r) {
        const FileRecord& record = bank.records[r];
        CProgram& program = effect_->program(r);
        program.setName(record.name.c_str());
        view_.renameMenuEntry(menuEntryOf(r), program.name());
        if (!bank.namesOnly) {
            applyValues(record, program);
        }
    }
    view_.showWorkingProgram(effect_->program(0).name());
    effect_->selectProgram(0);
}

void PresetFileProcedures::loadPreset() {
    if (!effect_) {
        return;
    }
    const auto path = chooseFile(FileDialogKind::LoadPreset, fields_.presetFileName);
    if (!path) {
        return;
    }
    const PresetDecodeResult preset = readPresetFile(*path);
    if (preset.status != FileStatus::Ok) {
        report(preset.status);
        return;
    }
    const int current = effect_->getCurrentProgramIndex();
    CProgram& program = effect_->program(current);
    program.setName(preset.record.name.c_str());
    if (!preset.namesOnly) {
        applyValues(preset.record, program);
    }
    view_.programNameChanged(program.name());
    effect_->selectProgram(current);
}

void PresetFileProcedures::saveBank() {
    if (!effect_) {
        return;
    }
    const auto path = chooseFile(FileDialogKind::SaveBank, fields_.bankFileName);
    if (!path) {
        return;
    }
    std::vector<FileRecord> records;
    for (int r = 0; r < kBankRecordCount; ++r) {
        records.push_back(recordOf(effect_->program(r)));
    }
    report(writeBankFile(*path, records));
}

void PresetFileProcedures::savePreset() {
    if (!effect_) {
        return;
    }
    const auto path = chooseFile(FileDialogKind::SavePreset, fields_.presetFileName);
    if (!path) {
        return;
    }
    report(writePresetFile(*path, recordOf(effect_->program(effect_->getCurrentProgramIndex()))));
}
