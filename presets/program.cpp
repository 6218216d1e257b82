#include "presets/program.h"

#include <cstring>

namespace {
// A new record's values: Valve mode, mid time and compression, everything else at 0.
constexpr float kInitialValues[kNumParams] = {1.0f, 0, 0, 0, 0.5f, 0.5f, 0, 0, 0, 0, 0, 0};
} // namespace

CProgram::CProgram() {
    setName("init");
    for (int i = 0; i < kNumParams; ++i) {
        values_[i].store(kInitialValues[i], std::memory_order_relaxed);
    }
}

void CProgram::setName(const char* text) {
    std::memset(name_, 0, sizeof(name_));
    std::memcpy(name_, text, strnlen(text, kMaxNameLength));
}

void CProgram::getName(char* destination) const {
    std::memcpy(destination, name_, strnlen(name_, kMaxNameLength) + 1);
}

void CProgram::setParameter(int index, float value) {
    if (isParameterIndex(index)) {
        values_[index].store(clampUnit(value), std::memory_order_relaxed);
    }
}

float CProgram::getParameter(int index) const {
    return isParameterIndex(index) ? values_[index].load(std::memory_order_relaxed) : -1.0f;
}
