#include "presets/program_records.h"

#include "presets/factory_programs.h"
#include "presets/preset_system_effect.h"

static_assert(kBankRecordCount == kNumPrograms);

FileRecord fileRecordOf(const CProgram& program) {
    FileRecord record{program.name(), {}};
    for (int i = 0; i < kNumParams; ++i) {
        record.values[i] = program.getParameter(i);
    }
    return record;
}

std::vector<FileRecord> bankRecordsOf(const CPresetSystemEffect& effect) {
    std::vector<FileRecord> records;
    for (int r = 0; r < kBankRecordCount; ++r) {
        records.push_back(fileRecordOf(effect.program(r)));
    }
    return records;
}

std::vector<FileRecord> factoryBankRecords() {
    std::vector<FileRecord> records;
    for (const FactoryProgram& entry : factoryPrograms()) {
        CProgram program;
        applyFactoryProgram(entry, program);
        records.push_back(fileRecordOf(program));
    }
    return records;
}
