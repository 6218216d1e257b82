#include "effect_fixture.h"

namespace {

using HostServicesTest = EffectTest;

TEST_F(HostServicesTest, EachServiceSendsItsRequest) {
    host.calls.clear();
    host.canDoAnswer = 1;
    host.sizeWindowAnswer = 1;
    EXPECT_FALSE(effect().beginEdit(3));
    EXPECT_FALSE(effect().endEdit(3));
    EXPECT_FALSE(effect().updateDisplay());
    effect().masterIdle();
    EXPECT_TRUE(effect().canHostDo("sizeWindow"));
    EXPECT_TRUE(effect().sizeWindow(400, 309));
    effect().setParameterAutomated(kOutput, 0.25f);
    EXPECT_EQ(host.notifications(), (std::vector<HostCall>{
                                        {audioMasterBeginEdit, 3, 0, 0.0f, ""},
                                        {audioMasterEndEdit, 3, 0, 0.0f, ""},
                                        {audioMasterUpdateDisplay, 0, 0, 0.0f, ""},
                                        {audioMasterIdle, 0, 0, 0.0f, ""},
                                        {audioMasterCanDo, 0, 0, 0.0f, "sizeWindow"},
                                        {audioMasterSizeWindow, 400, 309, 0.0f, ""},
                                        {audioMasterAutomate, kOutput, 0, 0.25f, ""},
                                    }));
    EXPECT_EQ(get(kOutput), 0.25f);
}

TEST_F(HostServicesTest, PinsCountAsConnectedWhenTheHostAnswersZero) {
    EXPECT_TRUE(effect().isInputConnected(1));
    host.pinAnswer = 1;
    EXPECT_FALSE(effect().isInputConnected(1));
    EXPECT_FALSE(effect().isOutputConnected(1));
    const std::vector<HostCall> expected = {{audioMasterPinConnected, 1, 0, 0.0f, ""},
                                            {audioMasterPinConnected, 1, 0, 0.0f, ""},
                                            {audioMasterPinConnected, 1, 1, 0.0f, ""}};
    EXPECT_EQ(std::vector<HostCall>(host.calls.end() - 3, host.calls.end()), expected);
}

TEST(HostServices, WithoutACallbackNothingIsSentAndPinsAreConnected) {
    MemorySettingsStore settings;
    AutoComp effect(nullptr, settings);
    EXPECT_FALSE(effect.updateDisplay());
    EXPECT_TRUE(effect.isInputConnected(1));
    EXPECT_TRUE(effect.isOutputConnected(1));
}

} // namespace
