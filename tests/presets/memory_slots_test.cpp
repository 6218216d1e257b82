#include "presets/little_endian_float.h"
#include "presets/memory_slots.h"
#include "tests/plugin/effect_fixture.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes floatBytes(float value) {
    const auto bytes = littleEndianBytes(value);
    return {bytes.begin(), bytes.end()};
}

Bytes textBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

class MemorySlotsTest : public EffectTest {
protected:
    MemorySettingsStore::Values& slot(std::string_view key) {
        return settings.keys[std::string(key)];
    }
};

TEST(MemoryValueNames, RightAlignTheIndexInThreeCharacters) {
    EXPECT_EQ(memoryValueName(0), "param  0");
    EXPECT_EQ(memoryValueName(9), "param  9");
    EXPECT_EQ(memoryValueName(11), "param 11");
}

TEST_F(MemorySlotsTest, StoreWritesTwelveValuesAndTheCurrentName) {
    effect().selectProgram(11);
    set(kOutput, 0.25f);
    effect().storeMemoA();

    const auto& values = slot("MemoA");
    ASSERT_EQ(values.size(), 13u);
    for (int i = 0; i < kNumParams; ++i) {
        ASSERT_TRUE(values.contains(memoryValueName(i)));
        EXPECT_EQ(values.at(memoryValueName(i)), floatBytes(get(i))) << i;
    }
    EXPECT_EQ(values.at("name"), textBytes(std::string_view("Glue Things Together\0", 21)));
    EXPECT_FALSE(settings.keys.contains("MemoB"));
}

TEST_F(MemorySlotsTest, RecallRestoresTheStoredStateAsAutomation) {
    effect().selectProgram(11);
    effect().storeMemoB();
    float stored[kNumParams];
    for (int i = 0; i < kNumParams; ++i) {
        stored[i] = get(i);
    }

    effect().selectProgram(20);
    set(kRatio, 0.0f);
    set(kOutput, 0.9f);
    const float untouched = effect().program(11).getParameter(kOutput);
    host.calls.clear();
    effect().recallMemoB();

    std::vector<HostCall> expected;
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(get(i), stored[i]);
        EXPECT_EQ(effect().program(20).getParameter(i), stored[i]);
        EXPECT_EQ(effect().program(0).getParameter(i), stored[i]);
        expected.push_back({audioMasterAutomate, i, 0, stored[i], ""});
    }
    expected.push_back({audioMasterUpdateDisplay, 0, 0, 0.0f, ""});
    EXPECT_EQ(host.notifications(), expected);
    EXPECT_STREQ(effect().program(20).name(), "Glue Things Together");
    EXPECT_STREQ(effect().program(0).name(), "Glue Things Together");
    EXPECT_EQ(effect().program(11).getParameter(kOutput), untouched);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 20);
}

TEST_F(MemorySlotsTest, RecallingASlotNeverStoredDoesNothing) {
    const float before = get(kTime);
    effect().recallMemoB();
    EXPECT_EQ(get(kTime), before);
    EXPECT_TRUE(host.notifications().empty());
}

TEST_F(MemorySlotsTest, RecallToleratesDamagedSlots) {
    auto& values = slot("MemoA");
    values[memoryValueName(kRatio)] = Bytes{0, 0, 0};
    values[memoryValueName(kTime)] = floatBytes(1.5f);
    values[memoryValueName(kOutput)] = floatBytes(0.125f);
    values["name"] = Bytes(70, 'x');
    const float ratio = get(kRatio);
    host.calls.clear();

    effect().recallMemoA();

    EXPECT_EQ(get(kRatio), ratio);
    EXPECT_EQ(get(kTime), 1.0f);
    EXPECT_EQ(get(kOutput), 0.125f);
    EXPECT_STREQ(effect().program(0).name(), std::string(24, 'x').c_str());
    const std::vector<HostCall> expected = {{audioMasterAutomate, kTime, 0, 1.0f, ""},
                                            {audioMasterAutomate, kOutput, 0, 0.125f, ""},
                                            {audioMasterUpdateDisplay, 0, 0, 0.0f, ""}};
    EXPECT_EQ(host.notifications(), expected);
}

TEST_F(MemorySlotsTest, RecallCutsLongNamesToTwentyFourCharacters) {
    slot("MemoB")["name"] = textBytes(std::string_view("abcdefghijklmnopqrstuvwxyz0123\0", 31));
    effect().recallMemoB();
    EXPECT_STREQ(effect().program(0).name(), "abcdefghijklmnopqrstuvwx");
}

TEST_F(MemorySlotsTest, AStoreThatCannotOpenItsKeyWritesNothing) {
    settings.failWrites = true;
    effect().storeMemoA();
    EXPECT_FALSE(settings.keys.contains("MemoA"));
}

} // namespace
