// The twelve normalised parameters, their names, labels and display texts, and the engine values
// derived from them. Any thread may set a value while the audio thread reads the engine values.
#pragma once

#include "engine/engine_values.h"
#include "engine/parameter_ids.h"

#include <array>
#include <atomic>
#include <optional>

class ParameterSet {
public:
    // Clamps value into [0, 1], stores it and updates the engine value; answers the value stored.
    // An index outside 0..11 changes nothing and answers nothing.
    std::optional<float> set(int index, float value);
    // The stored normalised value; 0 for an index outside 0..11.
    float get(int index) const;

    // Texts for the host, written whole with their terminating zero. A buffer of 16 bytes holds
    // every one of them.
    static void name(int index, char* text);
    static void label(int index, char* text);
    void display(int index, char* text) const;

    EngineValues& engineValues() { return values_; }
    const EngineValues& engineValues() const { return values_; }

private:
    std::array<std::atomic<float>, kNumParams> stored_{};
    EngineValues values_;
};
