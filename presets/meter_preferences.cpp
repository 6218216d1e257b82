#include "presets/meter_preferences.h"

#include "presets/settings_store.h"

namespace {

constexpr std::string_view kVUreference = "VUreference";
constexpr std::string_view kVUtimeConst = "VUtimeConst";
constexpr std::string_view kPPMrelease = "PPMrelease";
constexpr std::string_view kPPMhold = "PPMhold";
// Stands for "missing" when a preference is read, so a stored -1000 counts as missing too.
constexpr float kMissing = -1000.0f;

} // namespace

void MeterPreferences::readAll() {
    getVUreference();
    getVUtimeConst();
    getPPMrelease();
    getPPMhold();
}

double MeterPreferences::getVUreference() {
    return readOrInitialise(kVUreference, -14.0);
}
double MeterPreferences::getVUtimeConst() {
    return readOrInitialise(kVUtimeConst, 0.6);
}
double MeterPreferences::getPPMrelease() {
    return readOrInitialise(kPPMrelease, 0.6);
}
double MeterPreferences::getPPMhold() {
    return readOrInitialise(kPPMhold, 1.0);
}

void MeterPreferences::setVUreference(double value) {
    writePreference(kVUreference, static_cast<float>(value));
}
void MeterPreferences::setVUtimeConst(double value) {
    writePreference(kVUtimeConst, static_cast<float>(value));
}
void MeterPreferences::setPPMrelease(double value) {
    writePreference(kPPMrelease, static_cast<float>(value));
}
void MeterPreferences::setPPMhold(double value) {
    writePreference(kPPMhold, static_cast<float>(value));
}

float MeterPreferences::readPreference(std::string_view name, float fallback) {
    const auto key = store_.openForReading(kPreferencesKey);
    return (key ? key->readFloat(name) : std::nullopt).value_or(fallback);
}

void MeterPreferences::writePreference(std::string_view name, float value) {
    if (const auto key = store_.openForWriting(kPreferencesKey)) {
        key->writeFloat(name, value);
    }
}

double MeterPreferences::readOrInitialise(std::string_view name, double fallback) {
    const float value = readPreference(name, kMissing);
    if (value == kMissing) {
        writePreference(name, static_cast<float>(fallback));
        return fallback;
    }
    return value;
}
