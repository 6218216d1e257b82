// One program record: a name of at most 24 characters and twelve parameter values in [0, 1].
#pragma once

#include "engine/parameter_ids.h"

#include <array>
#include <atomic>

class CProgram {
public:
    static constexpr int kNameBytes = 25;
    static constexpr int kMaxNameLength = kNameBytes - 1;

    CProgram();
    virtual ~CProgram() = default;

    // Keeps the first 24 characters of text; the rest of the name field is cleared.
    virtual void setName(const char* text);
    // Copies the name with its terminating zero: at most 25 bytes.
    virtual void getName(char* destination) const;
    // Clamps the value into [0, 1]; an index outside 0..11 is ignored.
    virtual void setParameter(int index, float value);
    // The stored value, or -1 for an index outside 0..11.
    virtual float getParameter(int index) const;

    const char* name() const { return name_; }

private:
    char name_[kNameBytes] = {};
    // Written by whichever thread sets a parameter, read by the editor and the file procedures.
    std::array<std::atomic<float>, kNumParams> values_{};
};
