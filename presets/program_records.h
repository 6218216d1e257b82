// Program records as files hold them: what a save writes of a program, and the factory bank.
#pragma once

#include "presets/preset_format.h"

#include <vector>

class CPresetSystemEffect;
class CProgram;

FileRecord fileRecordOf(const CProgram& program);
// The effect's 33 program records, as a bank save writes them.
std::vector<FileRecord> bankRecordsOf(const CPresetSystemEffect& effect);
// The 33 factory programs, as a fresh effect would save them in a bank.
std::vector<FileRecord> factoryBankRecords();
