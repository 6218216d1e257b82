#include "effect_fixture.h"
#include "engine/param_format.h"

#include <cmath>
#include <cstring>

namespace {

using ParameterTest = EffectTest;

TEST_F(ParameterTest, StartsFromTheWorkingProgram) {
    const float expected[kNumParams] = {1.0f, 0, 0.5f, 0, 0.5f, 0.5f, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(get(i), expected[i]) << i;
    }
    EXPECT_EQ(text(effGetParamDisplay, kProcess), "Valve");
    EXPECT_EQ(text(effGetParamDisplay, kRatio), "3:1");
    EXPECT_EQ(text(effGetParamDisplay, kTime), "5.00");
    EXPECT_EQ(text(effGetParamDisplay, kOutput), "0.00");
}

TEST_F(ParameterTest, NamesAndLabels) {
    const char* names[kNumParams] = {"Process", " ", "Ratio", " ", "Time", "Compression",
                                     "Output",  " ", " ",     " ", " ",    " "};
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(text(effGetParamName, i), names[i]);
        EXPECT_EQ(text(effGetParamLabel, i), " ");
    }
    EXPECT_EQ(text(effGetParamName, 12), " ");
    EXPECT_EQ(text(effGetParamName, -5), " ");
}

TEST_F(ParameterTest, DisplaysAndStoredValues) {
    struct Case {
        int index;
        float value;
        float stored;
        const char* display;
    };
    const Case cases[] = {
        {kProcess, 0.24f, 0.24f, "Off"},
        {kProcess, 0.25f, 0.25f, "Clear"},
        {kProcess, 0.75f, 0.75f, "Valve"},
        {kProcess, 0.0f, 0.0f, "Off"},
        {kRatio, 1.0f, 1.0f, "10:1"},
        {kRatio, 0.0f, 0.0f, "1.2:1"},
        {kRatio, 0.5f, 0.5f, "3:1"},
        {kRatio, 1.0f / 12 - 0.001f, 1.0f / 12 - 0.001f, "1.2:1"},
        {kRatio, 1.0f / 12, 1.0f / 12, "1.5:1"},
        {kCompression, 1.5f, 1.0f, "10.00"},
        {kCompression, -3.0f, 0.0f, "0.00"},
        {kCompression, 0.5f, 0.5f, "5.00"},
        {kCompression, 0.1f, 0.1f, "1.00"},
        {kOutput, 0.5f, 0.5f, "15.00"},
        {kOutput, 1.0f, 1.0f, "30.00"},
        {kOutput, 0.175f, 0.175f, "5.00"},
        {kOutput, 0.1833f, 0.1833f, "5.50"},
        {kTime, 0.5625f, 0.5625f, "5.50"},
        {kTime, 0.525f, 0.525f, "5.00"},
        {kTime, 1.0f, 1.0f, "10.00"},
        {kSpare7, 0.4f, 0.4f, " "},
        {kSpare11, 2.0f, 1.0f, " "},
        {kOutput, std::nanf(""), 0.0f, "0.00"},
    };
    for (const Case& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(get(c.index), c.stored) << c.index << " " << c.value;
        EXPECT_EQ(text(effGetParamDisplay, c.index), c.display) << c.index << " " << c.value;
    }
}

TEST_F(ParameterTest, EngineValues) {
    const EngineValues& values = effect().parameters().engineValues();
    set(kOutput, 0.5f);
    EXPECT_DOUBLE_EQ(values.outputTarget, std::pow(10.0, 30.0 / 40.0));
    set(kTime, 0.5625f);
    EXPECT_DOUBLE_EQ(values.timeConstant, 0.005 * std::pow(100.0, 0.5625));
    set(kCompression, 0.5f);
    EXPECT_DOUBLE_EQ(values.driveTarget, 0.125 * std::pow(1024.0, 25.0 / 40.0));
    set(kCompression, 0.0f);
    EXPECT_DOUBLE_EQ(values.driveTarget, 0.125);
    set(kCompression, 1.0f);
    EXPECT_DOUBLE_EQ(values.driveTarget, 128.0);
    set(kProcess, 0.5f);
    EXPECT_EQ(values.processMode, kModeClear);
    set(kRatio, 5.0f / 6.0f);
    EXPECT_EQ(values.ratioIndex, 5);
}

TEST_F(ParameterTest, OutOfRangeIndexIsNotForwarded) {
    host.calls.clear();
    set(12, 0.7f);
    set(-1, 0.7f);
    EXPECT_EQ(get(12), 0.0f);
    EXPECT_EQ(get(-1), 0.0f);
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(effect().program(0).getParameter(i), effect().program(1).getParameter(i));
    }
    EXPECT_TRUE(host.notifications().empty());
}

TEST(FormatParamNumber, WritesTwoDecimals) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0.00"},   {2.25, "2.25"},    {30.0, "30.00"},   {10.5, "10.50"},
        {0.25, "0.25"},  {9.75, "9.75"},    {-2.5, "-2.50"},   {1234567.0, "1234567."},
        {0.295, "0.30"}, {12.345, "12.35"}, {-0.125, "-0.13"},
    };
    for (const Case& c : cases) {
        char text[16] = {};
        formatParamNumber(c.value, text);
        EXPECT_STREQ(text, c.text) << c.value;
    }
}

TEST(FormatParamNumber, LeavesTextForHugeValues) {
    for (double value : {1e9, -1e8}) {
        char text[16] = "keep";
        formatParamNumber(value, text);
        EXPECT_STREQ(text, "keep");
    }
}

} // namespace
