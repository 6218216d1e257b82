// The programs the effect ships with: record 0 ("Current") is the working program, records 1 to 32
// the factory presets. Only the five active controls are set; the spare slots keep 0.
#pragma once

#include <array>

class CProgram;

constexpr int kNumPrograms = 33;

struct FactoryProgram {
    const char* name;
    float process;
    float ratio;
    float time;
    float compression;
    float output;
};

const std::array<FactoryProgram, kNumPrograms>& factoryPrograms();

// Sets the five controls of entry into program, then its name; the other values stay.
void applyFactoryProgram(const FactoryProgram& entry, CProgram& program);
