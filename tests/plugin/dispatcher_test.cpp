#include "effect_fixture.h"

#include <vector>

namespace {

struct OpcodeCase {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    VstIntPtr expected;
};

// Every opcode whose answer needs no buffer, with the answer of an effect that has no editor.
const std::vector<OpcodeCase> kAnswers = {
    {effOpen, 0, 0, 0},
    {effSetProgram, 0, 0, 0},
    {effGetProgram, 0, 0, 0},
    {effSetSampleRate, 0, 0, 0},
    {effSetBlockSize, 0, 512, 0},
    {effMainsChanged, 0, 1, 0},
    {effMainsChanged, 0, 0, 0},
    {effEditOpen, 0, 0, 0},
    {effEditClose, 0, 0, 0},
    {effEditIdle, 0, 0, 0},
    {effIdentify, 0, 0, 0x4E764566},
    {effProcessEvents, 0, 0, 0},
    {effCanBeAutomated, 0, 0, 1},
    {effCanBeAutomated, 12, 0, 1},
    {effCanBeAutomated, -1, 0, 1},
    {effGetPlugCategory, 0, 0, 4},
    {effOfflineNotify, 0, 0, 0},
    {effOfflinePrepare, 0, 0, 0},
    {effOfflineRun, 0, 0, 0},
    {effProcessVarIo, 0, 0, 0},
    {effSetBypass, 0, 1, 0},
    {effGetVendorVersion, 0, 0, 1100},
    {effVendorSpecific, 1, 2, 0},
    {effGetTailSize, 0, 0, 0},
    {effGetParameterProperties, 0, 0, 0},
    {effGetVstVersion, 0, 0, 2400},
    {effEditKeyDown, 'a', 0, 0},
    {effEditKeyUp, 'a', 0, 0},
    {effSetEditKnobMode, 0, 2, 0},
    {effGetMidiProgramName, 0, 0, 0},
    {effGetCurrentMidiProgram, 0, 0, -1},
    {effGetMidiProgramCategory, 0, 0, 0},
    {effHasMidiProgramsChanged, 0, 0, 0},
    {effGetMidiKeyName, 0, 0, 0},
    {effBeginSetProgram, 0, 0, 0},
    {effEndSetProgram, 0, 0, 0},
    {effShellGetNextPlugin, 0, 0, 0},
    {effStartProcess, 0, 0, 0},
    {effStopProcess, 0, 0, 0},
    {effSetTotalSampleToProcess, 0, 4096, 4096},
    {effSetPanLaw, 0, 0, 0},
    {effBeginLoadBank, 0, 0, 0},
    {effBeginLoadProgram, 0, 0, 0},
    {effSetProcessPrecision, 0, 1, 0},
    {effGetNumMidiInputChannels, 0, 0, 0},
    {effGetNumMidiOutputChannels, 0, 0, 0},
    // Not handled at either level.
    {effGetVu, 0, 0, 0},
    {effEditDraw, 0, 0, 0},
    {effEditMouse, 0, 0, 0},
    {effEditKey, 0, 0, 0},
    {effEditTop, 0, 0, 0},
    {effEditSleep, 0, 0, 0},
    {effGetNumProgramCategories, 0, 0, 0},
    {effCopyProgram, 0, 0, 0},
    {effConnectInput, 0, 0, 0},
    {effConnectOutput, 0, 0, 0},
    {effGetCurrentPosition, 0, 0, 0},
    {effGetDestinationBuffer, 0, 0, 0},
    {effSetBlockSizeAndSampleRate, 0, 0, 0},
    {effGetErrorText, 0, 0, 0},
    {effIdle, 0, 0, 0},
    {effGetIcon, 0, 0, 0},
    {effSetViewPosition, 0, 0, 0},
    {effKeysRequired, 0, 0, 0},
    // Beyond the table.
    {80, 0, 0, 0},
    {1000, 0, 0, 0},
    {-1, 0, 0, 0},
};

using DispatcherTest = EffectTest;

TEST_F(DispatcherTest, AnswersEveryOpcodeOfTheTable) {
    for (const OpcodeCase& c : kAnswers) {
        EXPECT_EQ(dispatch(c.opcode, c.index, c.value), c.expected) << "opcode " << c.opcode;
    }
}

// Opcodes that fill a host buffer, with their answers.
const std::vector<OpcodeCase> kBufferAnswers = {
    {effGetProgramName, 0, 0, 0},
    {effGetParamLabel, 0, 0, 0},
    {effGetParamDisplay, 0, 0, 0},
    {effGetParamName, 0, 0, 0},
    {effGetProgramNameIndexed, 0, 7, 1},
    {effGetProgramNameIndexed, 1, 0, 0},
    {effGetEffectName, 0, 0, 1},
    {effGetVendorString, 0, 0, 1},
    {effGetProductString, 0, 0, 1},
    {effString2Parameter, 0, 0, 0},
    {effEditGetRect, 0, 0, 0},
    {effGetChunk, 0, 0, 0},
    {effSetChunk, 0, 4, 0},
};

TEST_F(DispatcherTest, AnswersBufferOpcodes) {
    for (const OpcodeCase& c : kBufferAnswers) {
        char buffer[256] = "x";
        EXPECT_EQ(dispatch(c.opcode, c.index, c.value, buffer), c.expected)
            << "opcode " << c.opcode;
    }
}

TEST_F(DispatcherTest, NullBuffersAnswerZeroAndTouchNothing) {
    for (VstInt32 opcode :
         {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
          effGetParamName, effEditGetRect, effGetChunk, effSetChunk, effGetProgramNameIndexed,
          effGetInputProperties, effGetOutputProperties, effSetSpeakerArrangement, effGetEffectName,
          effGetVendorString, effGetProductString, effCanDo, effGetSpeakerArrangement}) {
        EXPECT_EQ(dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
    }
    EXPECT_EQ(text(effGetProgramName), "Current");
}

TEST_F(DispatcherTest, ProcessEntryLeavesOutputsUntouched) {
    float in[2][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}};
    float out[2][4] = {{9, 9, 9, 9}, {8, 8, 8, 8}};
    float* inputs[] = {in[0], in[1]};
    float* outputs[] = {out[0], out[1]};
    dispatch(effMainsChanged, 0, 1);
    record->process(record, inputs, outputs, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(out[0][i], 9);
        EXPECT_EQ(out[1][i], 8);
    }
}

TEST_F(DispatcherTest, SetProgramOnlyAcceptsProgramZero) {
    set(kRatio, 1.0f);
    effect().program(0).setParameter(kRatio, 0.0f);
    dispatch(effSetProgram, 0, 1);
    dispatch(effSetProgram, 0, -1);
    EXPECT_EQ(get(kRatio), 1.0f);
    host.calls.clear();
    dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(get(kRatio), 0.0f);
    EXPECT_TRUE(host.notifications().empty()) << "re-applying sends no automation";
    EXPECT_EQ(effect().getCurrentProgramIndex(), 0);
}

TEST_F(DispatcherTest, CloseAnswersOne) {
    EXPECT_EQ(dispatch(effClose), 1);
    record = nullptr;
}

TEST_F(DispatcherTest, SampleRateIsStoredAndTakenAtResume) {
    dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_EQ(effect().getSampleRate(), 48000.0f);
    EXPECT_EQ(record->initialDelay, 0);
    dispatch(effSetBlockSize, 0, 256);
    EXPECT_EQ(effect().getBlockSize(), 256);
}

class KeyRecorder : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    bool onKeyDown(VstKeyCode& key) override {
        last = key;
        return true;
    }
    VstKeyCode last{};
};

TEST_F(DispatcherTest, EditorOpcodesReachAnEditorWithTheKeyRecord) {
    auto editor = std::make_unique<KeyRecorder>(&effect());
    KeyRecorder* keys = editor.get();
    effect().setEditor(std::move(editor));
    EXPECT_EQ(record->flags & effFlagsHasEditor, effFlagsHasEditor);
    EXPECT_EQ(dispatch(effEditKeyDown, 'q', 0x1204, nullptr, 2.9f), 1);
    EXPECT_EQ(keys->last.character, 'q');
    EXPECT_EQ(keys->last.virt, 0x04);
    EXPECT_EQ(keys->last.modifier, 2);
}

} // namespace
