#include "presets/little_endian_float.h"
#include "presets/meter_preferences.h"
#include "tests/plugin/effect_fixture.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes floatBytes(float value) {
    const auto bytes = littleEndianBytes(value);
    return {bytes.begin(), bytes.end()};
}

TEST_F(EffectTest, CreatingAnEffectWritesTheMissingPreferences) {
    const auto& preferences = settings.keys.at("Preferences");
    EXPECT_EQ(preferences.size(), 4u);
    EXPECT_EQ(preferences.at("VUreference"), floatBytes(-14.0f));
    EXPECT_EQ(preferences.at("VUtimeConst"), floatBytes(0.6f));
    EXPECT_EQ(preferences.at("PPMrelease"), floatBytes(0.6f));
    EXPECT_EQ(preferences.at("PPMhold"), floatBytes(1.0f));
}

TEST(MeterPreferences, KeepsStoredValuesAndReplacesMissingOnes) {
    MemorySettingsStore store;
    auto& values = store.keys["Preferences"];
    values["VUreference"] = floatBytes(-20.0f);
    values["VUtimeConst"] = floatBytes(-1000.0f);
    values["PPMrelease"] = Bytes{1, 2};

    MeterPreferences preferences(store);
    preferences.readAll();

    EXPECT_EQ(values.at("VUreference"), floatBytes(-20.0f));
    EXPECT_EQ(values.at("VUtimeConst"), floatBytes(0.6f));
    EXPECT_EQ(values.at("PPMrelease"), floatBytes(0.6f));
    EXPECT_EQ(values.at("PPMhold"), floatBytes(1.0f));
    EXPECT_EQ(preferences.getVUreference(), -20.0);
    EXPECT_EQ(preferences.getVUtimeConst(), static_cast<double>(0.6f));
}

TEST(MeterPreferences, SettersStoreThirtyTwoBitFloats) {
    MemorySettingsStore store;
    MeterPreferences preferences(store);
    preferences.setVUreference(-18.5);
    preferences.setVUtimeConst(0.3);
    preferences.setPPMrelease(1.25);
    preferences.setPPMhold(2.0);
    EXPECT_EQ(preferences.getVUreference(), -18.5);
    EXPECT_EQ(preferences.getVUtimeConst(), static_cast<double>(0.3f));
    EXPECT_EQ(preferences.getPPMrelease(), 1.25);
    EXPECT_EQ(preferences.getPPMhold(), 2.0);
}

TEST(MeterPreferences, AnUnwritableStoreAnswersTheDefaults) {
    MemorySettingsStore store;
    store.failWrites = true;
    MeterPreferences preferences(store);
    EXPECT_EQ(preferences.getVUreference(), -14.0);
    EXPECT_EQ(preferences.getVUtimeConst(), 0.6);
    EXPECT_EQ(preferences.getPPMrelease(), 0.6);
    EXPECT_EQ(preferences.getPPMhold(), 1.0);
    EXPECT_EQ(preferences.readPreference("VUreference", 3.0f), 3.0f);
    EXPECT_TRUE(store.keys.empty());
}

} // namespace
