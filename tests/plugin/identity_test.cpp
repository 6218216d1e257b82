#include "effect_fixture.h"

#include <cstring>

namespace {

using IdentityTest = EffectTest;

TEST_F(IdentityTest, RecordAfterCreation) {
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->magic, fourCharCode("VstP"));
    EXPECT_EQ(record->numPrograms, 1);
    EXPECT_EQ(record->numParams, 12);
    EXPECT_EQ(record->numInputs, 2);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags, effFlagsCanReplacing | effFlagsCanDoubleReplacing);
    EXPECT_EQ(record->uniqueID, 0x5456414D);
    EXPECT_EQ(record->version, 1);
    EXPECT_EQ(record->initialDelay, 0);
    EXPECT_EQ(record->ioRatio, 1.0f);
    EXPECT_EQ(record->object, &effect());
    EXPECT_EQ(record->user, nullptr);
    EXPECT_EQ(record->reserved1, 0);
    EXPECT_EQ(record->reserved2, 0);
    for (char byte : record->future) {
        EXPECT_EQ(byte, 0);
    }
}

TEST_F(IdentityTest, CreationAsksTheHostVersionTwiceAndNothingElse) {
    ASSERT_EQ(host.calls.size(), 2u);
    for (const HostCall& call : host.calls) {
        EXPECT_EQ(call, (HostCall{audioMasterVersion, 0, 0, 0.0f, ""}));
    }
}

TEST(EntryPoint, HostWithoutVersionGetsNothing) {
    FakeHost host;
    MemorySettingsStore settings;
    host.versionAnswer = 0;
    EXPECT_EQ(pluginMain(FakeHost::callback, settings), nullptr);
    EXPECT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(pluginMain(nullptr, settings), nullptr);
}

TEST_F(IdentityTest, Names) {
    EXPECT_EQ(text(effGetEffectName), "Tav Amberlow");
    EXPECT_EQ(text(effGetProductString), "Tav Amberlow - opto compressor");
    const std::string vendor = text(effGetVendorString);
    EXPECT_EQ(vendor.size(), 16u);
    EXPECT_EQ(text(effGetProgramName), "Current");
    EXPECT_EQ(text(effGetProgramNameIndexed, 0), "Current");
}

TEST_F(IdentityTest, Pins) {
    struct PinCase {
        VstInt32 opcode;
        VstInt32 index;
        VstIntPtr answer;
        const char* label;
    };
    const PinCase cases[] = {
        {effGetInputProperties, 0, 1, "Tav Amberlow 1 In"},
        {effGetInputProperties, 3, 1, "Tav Amberlow 4 In"},
        {effGetInputProperties, 4, 0, "untouched"},
        {effGetInputProperties, -1, 0, "untouched"},
        {effGetOutputProperties, 1, 1, "Tav Amberlow 2 Out"},
        {effGetOutputProperties, 2, 0, "untouched"},
    };
    for (const PinCase& c : cases) {
        VstPinProperties pin{};
        std::strcpy(pin.label, "untouched");
        pin.arrangementType = 77;
        std::strcpy(pin.shortLabel, "keep");
        EXPECT_EQ(dispatch(c.opcode, c.index, 0, &pin), c.answer);
        EXPECT_STREQ(pin.label, c.label);
        EXPECT_EQ(pin.flags, c.answer ? 3 : 0);
        EXPECT_EQ(pin.arrangementType, 77);
        EXPECT_STREQ(pin.shortLabel, "keep");
    }
}

TEST_F(IdentityTest, CanDoMatchesWholeWordsOnly) {
    for (const char* word :
         {"offline", "plugAsChannelInsert", "mixDryWet", "1in1out", "1in2out", "2in2out"}) {
        EXPECT_EQ(dispatch(effCanDo, 0, 0, const_cast<char*>(word)), 1) << word;
    }
    for (const char* word : {"2in2outX", "2in2ou", "receiveVstMidiEvent", "", "Offline"}) {
        EXPECT_EQ(dispatch(effCanDo, 0, 0, const_cast<char*>(word)), 0) << word;
    }
}

TEST_F(IdentityTest, SpeakerArrangementNegotiation) {
    struct Case {
        int inputs;
        int outputs;
        VstIntPtr answer;
        bool secondInput;
        bool secondOutput;
    };
    const Case cases[] = {
        {1, 1, 1, false, false}, {1, 2, 1, false, true}, {2, 2, 1, true, true},
        {2, 1, 0, true, true},   {0, 2, 0, true, true},  {6, 6, 0, true, true},
    };
    for (const Case& c : cases) {
        dispatch(effSetSpeakerArrangement, 0, 0, nullptr); // null: refused, flags kept
        VstSpeakerArrangement input{};
        VstSpeakerArrangement output{};
        input.numChannels = c.inputs;
        output.numChannels = c.outputs;
        EXPECT_EQ(
            dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output),
            c.answer);
        EXPECT_EQ(effect().engine().useSecondInput(), c.secondInput);
        EXPECT_EQ(effect().engine().useSecondOutput(), c.secondOutput);
    }
}

TEST_F(IdentityTest, GetSpeakerArrangementNullsBothPointers) {
    VstSpeakerArrangement dummy{};
    VstSpeakerArrangement* input = &dummy;
    VstSpeakerArrangement* output = &dummy;
    EXPECT_EQ(dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output),
              0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

} // namespace
