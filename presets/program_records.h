// Program records as files hold them: what a save writes of a program, and the factory bank.
#pragma once

#include "presets/preset_format.h"

#include <vector>

class CProgram;

FileRecord fileRecordOf(const CProgram& program);
// The 33 factory programs, as a fresh effect would save them in a bank.
std::vector<FileRecord> factoryBankRecords();
