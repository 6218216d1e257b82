// Loads the built plug-in binary through its exported entry point, so the real export, the
// calling convention and the static runtime are exercised, not only the linked-in code.
#include "host/hosted_plugin.h"

#include <gtest/gtest.h>

namespace {

class BinaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        plugin = HostedPlugin::load(executableDirectory() + AMBERLOW_PLUGIN_FILE, error);
        ASSERT_NE(plugin, nullptr) << error;
    }

    std::string error;
    std::unique_ptr<HostedPlugin> plugin;
};

TEST_F(BinaryTest, RecordAndIdentity) {
    const AEffect& record = plugin->record();
    EXPECT_EQ(plugin->entryName(), "VSTPluginMain");
    EXPECT_EQ(record.magic, kEffectMagic);
    EXPECT_EQ(record.uniqueID, fourCharCode("TVAM"));
    EXPECT_EQ(record.numInputs, 2);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.numParams, 12);
    EXPECT_EQ(record.numPrograms, 1);
    EXPECT_EQ(record.flags & (effFlagsCanReplacing | effFlagsCanDoubleReplacing),
              effFlagsCanReplacing | effFlagsCanDoubleReplacing);
    EXPECT_EQ(plugin->dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 1100);
    EXPECT_EQ(plugin->dispatch(effGetPlugCategory), 4);
    EXPECT_EQ(plugin->text(effGetProductString), "Tav Amberlow - opto compressor");
    EXPECT_EQ(plugin->text(effGetProgramName), "Current");
}

TEST_F(BinaryTest, ParametersThroughTheRecord) {
    plugin->setParameter(5, 1.5f);
    EXPECT_EQ(plugin->getParameter(5), 1.0f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 5), "10.00");
    EXPECT_EQ(plugin->text(effGetParamName, 5), "Compression");
}

TEST_F(BinaryTest, SecondNameIsTheSameEntry) {
    auto library = PluginLibrary::load(executableDirectory() + AMBERLOW_PLUGIN_FILE, error);
    ASSERT_NE(library, nullptr) << error;
    EXPECT_NE(library->symbol("VSTPluginMain"), nullptr);
    EXPECT_EQ(library->symbol("main"), library->symbol("VSTPluginMain"));
}

} // namespace
