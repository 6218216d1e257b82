// The four meter preferences, kept in the settings store and shared by every instance. They are
// read when an effect is created, and missing ones are written with their defaults; nothing else
// depends on their values.
#pragma once

#include <string_view>

class SettingsStore;

class MeterPreferences {
public:
    explicit MeterPreferences(SettingsStore& store) : store_(store) {}

    // Reads the four in order; those missing are written with their defaults.
    void readAll();

    double getVUreference();
    double getVUtimeConst();
    double getPPMrelease();
    double getPPMhold();
    void setVUreference(double value);
    void setVUtimeConst(double value);
    void setPPMrelease(double value);
    void setPPMhold(double value);

    // The stored value, or fallback when the key or a 4-byte value cannot be read.
    float readPreference(std::string_view name, float fallback);
    void writePreference(std::string_view name, float value);

private:
    // The stored value; a missing one (or one equal to the marker for missing) is replaced by
    // fallback, which is written back.
    double readOrInitialise(std::string_view name, double fallback);

    SettingsStore& store_;
};
