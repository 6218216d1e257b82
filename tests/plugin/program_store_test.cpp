#include "effect_fixture.h"

#include <cstring>
#include <string>

namespace {

TEST(Program, NewRecord) {
    CProgram program;
    EXPECT_STREQ(program.name(), "init");
    const float expected[kNumParams] = {1.0f, 0, 0, 0, 0.5f, 0.5f, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(program.getParameter(i), expected[i]);
    }
}

TEST(Program, ClampsValuesAndIgnoresBadIndices) {
    CProgram program;
    program.setParameter(3, 1.5f);
    EXPECT_EQ(program.getParameter(3), 1.0f);
    program.setParameter(3, -0.2f);
    EXPECT_EQ(program.getParameter(3), 0.0f);
    program.setParameter(12, 0.3f);
    program.setParameter(-1, 0.3f);
    EXPECT_EQ(program.getParameter(12), -1.0f);
    EXPECT_EQ(program.getParameter(-1), -1.0f);
}

TEST(Program, CutsNamesAt24Characters) {
    CProgram program;
    program.setName("abcdefghijklmnopqrstuvwxyz0123"); // 30 characters
    char out[40];
    std::memset(out, 'Z', sizeof(out));
    program.getName(out);
    EXPECT_STREQ(out, "abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(out[25], 'Z') << "getName writes 25 bytes at most";
    program.setName("ab");
    program.getName(out);
    EXPECT_STREQ(out, "ab");
}

TEST(FactoryPrograms, Table) {
    const auto& table = factoryPrograms();
    EXPECT_STREQ(table[0].name, "Current");
    EXPECT_STREQ(table[1].name, "Default");
    EXPECT_STREQ(table[32].name, "Bus Comp 3");
    EXPECT_EQ(table[8].ratio, 1.0f);
    EXPECT_EQ(table[3].ratio, 1.0f / 6.0f);
    for (int r = 0; r < kNumPrograms; ++r) {
        const bool clear = r == 24 || r == 30 || r == 31;
        EXPECT_EQ(table[r].process, clear ? 0.5f : 1.0f) << table[r].name;
        EXPECT_LE(std::strlen(table[r].name), 24u);
    }
}

using ProgramStoreTest = EffectTest;

TEST_F(ProgramStoreTest, FactoryFill) {
    for (int r = 0; r < kNumPrograms; ++r) {
        const CProgram& p = effect().program(r);
        EXPECT_STREQ(p.name(), factoryPrograms()[r].name);
        EXPECT_EQ(p.getParameter(kOutput), factoryPrograms()[r].output);
        EXPECT_EQ(p.getParameter(kSpare3), 0.0f);
    }
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(effect().program(0).getParameter(i), effect().program(1).getParameter(i));
    }
}

TEST_F(ProgramStoreTest, SelectProgramRunsItAndTellsTheHost) {
    host.calls.clear();
    effect().selectProgram(5);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 5);
    EXPECT_STREQ(effect().program(0).name(), "CompressMed2");
    std::vector<HostCall> expected;
    for (int i = 0; i < kNumParams; ++i) {
        const float v = effect().program(5).getParameter(i);
        EXPECT_EQ(get(i), v);
        EXPECT_EQ(effect().program(0).getParameter(i), v);
        expected.push_back({audioMasterBeginEdit, i, 0, 0.0f, ""});
        expected.push_back({audioMasterAutomate, i, 0, v, ""});
        expected.push_back({audioMasterAutomate, i, 0, v, ""});
        expected.push_back({audioMasterEndEdit, i, 0, 0.0f, ""});
    }
    expected.push_back({audioMasterUpdateDisplay, 0, 0, 0.0f, ""});
    EXPECT_EQ(host.notifications(), expected);
    EXPECT_EQ(dispatch(effGetProgram), 0);
}

TEST_F(ProgramStoreTest, SelectingTheWorkingProgramKeepsItsName) {
    effect().selectProgram(0);
    EXPECT_STREQ(effect().program(0).name(), "Current");
    effect().renameCurrentProgram("Working");
    EXPECT_STREQ(effect().program(0).name(), "Working");
}

TEST_F(ProgramStoreTest, ParameterChangesReachCurrentRecordAndRecordZeroOnly) {
    effect().selectProgram(5);
    set(kTime, 0.9f);
    EXPECT_EQ(effect().program(5).getParameter(kTime), 0.9f);
    EXPECT_EQ(effect().program(0).getParameter(kTime), 0.9f);
    for (int r = 1; r < kNumPrograms; ++r) {
        if (r != 5) {
            EXPECT_EQ(effect().program(r).getParameter(kTime), factoryPrograms()[r].time) << r;
        }
    }
}

TEST_F(ProgramStoreTest, HostRenameCutsAndSendsNoDisplayUpdate) {
    effect().selectProgram(3);
    host.calls.clear();
    char name[] = "0123456789012345678901234567890123456789";
    dispatch(effSetProgramName, 0, 0, name);
    EXPECT_STREQ(effect().program(3).name(), "012345678901234567890123");
    EXPECT_STREQ(effect().program(0).name(), "012345678901234567890123");
    EXPECT_TRUE(host.notifications().empty());
}

TEST_F(ProgramStoreTest, EditorRenameUpdatesTheHostDisplay) {
    effect().selectProgram(2);
    host.calls.clear();
    effect().renameCurrentProgram("Mine");
    EXPECT_STREQ(effect().program(2).name(), "Mine");
    EXPECT_STREQ(effect().program(0).name(), "Mine");
    EXPECT_EQ(host.notifications(),
              (std::vector<HostCall>{{audioMasterUpdateDisplay, 0, 0, 0.0f, ""}}));
}

class NameRecorder : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    void programNameChanged(const char* name) override { names.push_back(name); }
    void setParameter(int index, float value) override { changes.emplace_back(index, value); }
    std::vector<std::string> names;
    std::vector<std::pair<int, float>> changes;
};

TEST_F(ProgramStoreTest, EditorFollowsNamesAndParameters) {
    auto editor = std::make_unique<NameRecorder>(&effect());
    NameRecorder* recorder = editor.get();
    effect().setEditor(std::move(editor));
    char name[] = "Renamed";
    dispatch(effSetProgramName, 0, 0, name);
    set(kOutput, 1.7f);
    EXPECT_EQ(recorder->names, std::vector<std::string>{"Renamed"});
    EXPECT_EQ(recorder->changes, (std::vector<std::pair<int, float>>{{kOutput, 1.0f}}));
}

} // namespace
