#include "presets/factory_programs.h"

#include "engine/parameter_ids.h"
#include "presets/program.h"

namespace {

constexpr float kValve = 1.0f;
constexpr float kClear = 0.5f;

// Ratio position k of 0..6, as the nearest float to k / 6.
constexpr float ratio(int k) {
    return static_cast<float>(k) / 6.0f;
}

// clang-format off
constexpr std::array<FactoryProgram, kNumPrograms> kFactory = {{
    {"Current",              kValve, ratio(3), 0.5f,  0.5f,   0.0f},
    {"Default",              kValve, ratio(3), 0.5f,  0.5f,   0.0f},
    {"CompressLite1",        kValve, ratio(0), 0.5f,  0.5f,   0.15f},
    {"CompressLite2",        kValve, ratio(1), 0.5f,  0.5f,   0.15f},
    {"CompressMed1",         kValve, ratio(2), 0.5f,  0.5f,   0.15f},
    {"CompressMed2",         kValve, ratio(3), 0.5f,  0.5f,   0.15f},
    {"CompressHeavy1",       kValve, ratio(4), 0.5f,  0.5f,   0.15f},
    {"CompressHeavy2",       kValve, ratio(5), 0.5f,  0.5f,   0.15f},
    {"SlowLim",              kValve, ratio(6), 0.5f,  0.5f,   0.1f},
    {"FastLim",              kValve, ratio(6), 0.2f,  0.5f,   0.1f},
    {"Leveller",             kValve, ratio(3), 0.8f,  0.75f,  0.3f},
    {"Glue Things Together", kValve, ratio(3), 0.6f,  0.375f, 0.133f},
    {"Hats Smasher",         kValve, ratio(6), 0.0f,  0.775f, 0.425f},
    {"Kick Fattener",        kValve, ratio(5), 0.15f, 0.5f,   0.25f},
    {"Make it Pump",         kValve, ratio(2), 0.0f,  0.65f,  0.183f},
    {"Snare Puncher",        kValve, ratio(5), 0.35f, 0.375f, 0.166f},
    {"Kick",                 kValve, ratio(3), 0.3f,  0.5f,   0.133f},
    {"Pop Rock Vocal",       kValve, ratio(3), 0.8f,  0.75f,  0.3f},
    {"Room Ambience",        kValve, ratio(4), 0.7f,  0.275f, 0.166f},
    {"Snare Bottom",         kValve, ratio(3), 0.35f, 0.225f, 0.133f},
    {"Snare Piccolo Top 1",  kValve, ratio(4), 0.6f,  0.3f,   0.183f},
    {"Snare Piccolo Top 2",  kValve, ratio(3), 0.4f,  0.5f,   0.216f},
    {"Stereo Drums Over",    kValve, ratio(4), 0.55f, 0.6f,   0.233f},
    {"Stereo Toms",          kValve, ratio(4), 0.5f,  0.625f, 0.233f},
    {"Vox",                  kClear, ratio(3), 0.35f, 0.5f,   0.1f},
    {"Genty Wips",           kValve, ratio(0), 0.1f,  0.325f, 0.0f},
    {"Punchy Kick",          kValve, ratio(6), 0.45f, 0.575f, 0.15f},
    {"Kick 2",               kValve, ratio(5), 0.35f, 0.4f,   0.133f},
    {"Loud Bass",            kValve, ratio(3), 0.15f, 0.675f, 0.2f},
    {"4k",                   kValve, ratio(2), 0.35f, 0.575f, 0.083f},
    {"Bus Comp 1",           kClear, ratio(2), 0.4f,  0.525f, 0.116f},
    {"Bus Comp 2",           kClear, ratio(5), 0.25f, 0.525f, 0.083f},
    {"Bus Comp 3",           kValve, ratio(2), 0.15f, 0.625f, 0.083f},
}};
// clang-format on

} // namespace

const std::array<FactoryProgram, kNumPrograms>& factoryPrograms() {
    return kFactory;
}

void applyFactoryProgram(const FactoryProgram& entry, CProgram& program) {
    program.setParameter(kProcess, entry.process);
    program.setParameter(kRatio, entry.ratio);
    program.setParameter(kTime, entry.time);
    program.setParameter(kCompression, entry.compression);
    program.setParameter(kOutput, entry.output);
    program.setName(entry.name);
}
