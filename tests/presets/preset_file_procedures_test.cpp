#include "presets/file_bytes.h"
#include "presets/preset_bar_view.h"
#include "presets/preset_file_procedures.h"
#include "presets/preset_files.h"
#include "presets/program_records.h"
#include "temporary_directory.h"
#include "tests/plugin/effect_fixture.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const fs::path kFixtures = AMBERLOW_FIXTURES;

struct DialogRequest {
    FileDialogKind kind;
    fs::path directory;
    fs::path fileName;
};

class FakeDialogs : public FileDialogs {
public:
    std::optional<fs::path> chooseFile(FileDialogKind kind, const fs::path& directory,
                                       const fs::path& fileName) override {
        requests.push_back({kind, directory, fileName});
        return answer;
    }
    void showError(std::string_view message) override { messages.emplace_back(message); }

    std::optional<fs::path> answer;
    std::vector<DialogRequest> requests;
    std::vector<std::string> messages;
};

class FakeView : public PresetBarView {
public:
    void renameMenuEntry(int entry, const char* name) override {
        calls.push_back("entry " + std::to_string(entry) + " " + name);
    }
    void showWorkingProgram(const char* name) override {
        calls.push_back(std::string("working ") + name);
    }
    void programNameChanged(const char* name) override {
        calls.push_back(std::string("changed ") + name);
    }
    std::vector<std::string> calls;
};

class PresetFileProceduresTest : public EffectTest {
protected:
    PresetFileProceduresTest() : procedures(&effect(), dialogs, view) {}

    std::vector<FileRecord> store() { return bankRecordsOf(effect()); }

    fs::path file(const std::string& name, const Bytes& bytes) {
        const fs::path path = directory / name;
        EXPECT_TRUE(replaceFile(path, bytes));
        return path;
    }

    void choose(const fs::path& path) { dialogs.answer = path; }

    // The host calls that selecting a program makes: four per parameter, then a display update.
    std::vector<HostCall> selectionCalls(const FileRecord& program) {
        std::vector<HostCall> calls;
        for (int i = 0; i < kNumParams; ++i) {
            calls.push_back({audioMasterBeginEdit, i, 0, 0.0f, ""});
            calls.push_back({audioMasterAutomate, i, 0, program.values[i], ""});
            calls.push_back({audioMasterAutomate, i, 0, program.values[i], ""});
            calls.push_back({audioMasterEndEdit, i, 0, 0.0f, ""});
        }
        calls.push_back({audioMasterUpdateDisplay, 0, 0, 0.0f, ""});
        return calls;
    }

    TemporaryDirectory directory;
    FakeDialogs dialogs;
    FakeView view;
    PresetFileProcedures procedures;
};

TEST_F(PresetFileProceduresTest, AFreshEffectSavesTheFactoryBank) {
    choose(directory / "saved.tvb");
    procedures.saveBank();

    EXPECT_EQ(readFileBytes(directory / "saved.tvb", 1 << 16),
              readFileBytes(kFixtures / "factory.tvb", 1 << 16));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(host.notifications().empty());
}

TEST_F(PresetFileProceduresTest, LoadingASavedBankRestoresEveryRecordAndRunsRecordZero) {
    effect().selectProgram(5);
    set(kOutput, 0.75f);
    choose(directory / "state.tvb");
    procedures.saveBank();
    const std::vector<FileRecord> saved = store();

    effect().selectProgram(9);
    set(kTime, 0.9f);
    effect().program(30).setName("Changed");
    host.calls.clear();
    choose(directory / "state.tvb");
    procedures.loadBank();

    EXPECT_EQ(store(), saved);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 0);
    EXPECT_EQ(get(kOutput), 0.75f);
    EXPECT_EQ(host.notifications(), selectionCalls(saved[0]));
    ASSERT_EQ(view.calls.size(), 34u);
    EXPECT_EQ(view.calls[0], "entry 0 CompressMed2");
    EXPECT_EQ(view.calls[1], "entry 2 Default");
    EXPECT_EQ(view.calls[32], "entry 33 Bus Comp 3");
    EXPECT_EQ(view.calls[33], "working CompressMed2");
}

TEST_F(PresetFileProceduresTest, LoadingAPresetReplacesTheCurrentRecordOnly) {
    effect().selectProgram(7);
    std::vector<FileRecord> expected = store();
    const PresetDecodeResult glue = readPresetFile(kFixtures / "glue.tvp");
    expected[7] = expected[0] = glue.record;
    host.calls.clear();

    choose(kFixtures / "glue.tvp");
    procedures.loadPreset();

    EXPECT_EQ(store(), expected);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 7);
    EXPECT_EQ(get(kCompression), 0.375f);
    EXPECT_EQ(view.calls, std::vector<std::string>{"changed Glue Things Together"});
    EXPECT_EQ(host.notifications(), selectionCalls(expected[7]));
}

TEST_F(PresetFileProceduresTest, ASavedPresetLoadsBackUnderEitherIdentifierOrder) {
    effect().selectProgram(12);
    choose(directory / "hats.tvp");
    procedures.savePreset();
    const std::vector<FileRecord> saved = store();
    auto bytes = *readFileBytes(directory / "hats.tvp", 100);
    ASSERT_EQ(bytes.size(), 77u);
    std::memcpy(bytes.data(), "TVAM", 4);

    effect().selectProgram(12);
    effect().program(12).setName("Other");
    set(kRatio, 0.0f);
    choose(file("swapped.tvp", bytes));
    procedures.loadPreset();

    EXPECT_EQ(store(), saved);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PresetFileProceduresTest, RefusedFilesChangeNothingAndSayWhy) {
    const Bytes preset = *readFileBytes(kFixtures / "glue.tvp", 100);
    const Bytes bank = *readFileBytes(kFixtures / "factory.tvb", 4000);
    Bytes random(2381);
    for (std::size_t i = 0; i < random.size(); ++i) {
        random[i] = static_cast<unsigned char>(i * 37 + 11);
    }
    struct Case {
        const char* what;
        bool loadBank;
        Bytes bytes;
        const char* message;
    };
    const Case cases[] = {
        {"bank as preset", false, bank, "Error #02: Not a preset file!"},
        {"preset as bank", true, preset, "Not a bank file!"},
        {"empty preset", false, {}, "Error #01: Invalid preset file!"},
        {"empty bank", true, {}, "Error #01: Invalid preset file!"},
        {"random bank", true, random, "Error #01: Invalid preset file!"},
        {"truncated preset", false, Bytes(preset.begin(), preset.end() - 4),
         "Error #01: Invalid preset file!"},
        {"truncated bank", true, Bytes(bank.begin(), bank.begin() + 2000),
         "Error #01: Invalid preset file!"},
    };
    effect().selectProgram(3);
    const std::vector<FileRecord> before = store();
    host.calls.clear();
    for (const Case& c : cases) {
        dialogs.messages.clear();
        choose(file("case", c.bytes));
        c.loadBank ? procedures.loadBank() : procedures.loadPreset();
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{c.message}) << c.what;
    }
    EXPECT_EQ(store(), before);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 3);
    EXPECT_TRUE(host.notifications().empty());
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(PresetFileProceduresTest, StoredValuesAreClampedIntoRange) {
    FileRecord record{"Wild", {}};
    record.values[kProcess] = 1.5f;
    record.values[kTime] = -3.0f;
    record.values[kOutput] = std::numeric_limits<float>::quiet_NaN();
    record.values[kCompression] = std::numeric_limits<float>::infinity();
    choose(file("wild.tvp", encodePreset(record)));
    procedures.loadPreset();

    EXPECT_EQ(effect().program(0).getParameter(kProcess), 1.0f);
    EXPECT_EQ(effect().program(0).getParameter(kTime), 0.0f);
    EXPECT_EQ(effect().program(0).getParameter(kOutput), 0.0f);
    EXPECT_EQ(effect().program(0).getParameter(kCompression), 1.0f);
    EXPECT_EQ(get(kOutput), 0.0f);
}

TEST_F(PresetFileProceduresTest, NamesOnlyFilesRenameWithoutTouchingValues) {
    effect().selectProgram(4);
    std::vector<FileRecord> expected = store();
    Bytes preset(149, 0);
    std::memcpy(preset.data(), "MAVT\x21Only a name", 16);
    choose(file("names.tvp", preset));
    procedures.loadPreset();
    expected[4].name = expected[0].name = "Only a name";
    EXPECT_EQ(store(), expected);
    EXPECT_FALSE(host.notifications().empty());

    Bytes bank(4325, 0);
    std::memcpy(bank.data(), "MAVT\x37", 5);
    for (int r = 0; r < 32; ++r) {
        const std::string name = "Name " + std::to_string(r);
        std::memcpy(&bank[5 + 24 * r], name.data(), name.size());
        expected[r].name = name;
    }
    choose(file("names.tvb", bank));
    procedures.loadBank();
    EXPECT_EQ(store(), expected);
    EXPECT_EQ(effect().getCurrentProgramIndex(), 0);
}

TEST_F(PresetFileProceduresTest, DialogsStartWhereTheLastChosenFileWas) {
    const fs::path workingDirectory = fs::current_path();
    EXPECT_EQ(procedures.fields().fileDirectory, workingDirectory);

    fs::create_directories(directory / "sub");
    choose(directory / "sub" / "first.tvp");
    procedures.savePreset();
    dialogs.answer.reset();
    procedures.loadBank();
    choose("no-directory.tvb");
    procedures.saveBank();

    ASSERT_EQ(dialogs.requests.size(), 3u);
    EXPECT_EQ(dialogs.requests[0].kind, FileDialogKind::SavePreset);
    EXPECT_EQ(dialogs.requests[0].fileName, fs::path());
    EXPECT_EQ(dialogs.requests[1].kind, FileDialogKind::LoadBank);
    EXPECT_EQ(dialogs.requests[1].directory, directory / "sub");
    EXPECT_EQ(dialogs.requests[1].fileName, fs::path());
    EXPECT_EQ(procedures.fields().presetFileName, fs::path("first.tvp"));
    EXPECT_EQ(procedures.fields().fileDirectory, directory / "sub");
    EXPECT_EQ(procedures.fields().bankFileName, fs::path());
    EXPECT_FALSE(fs::exists(workingDirectory / "no-directory.tvb"));
    EXPECT_EQ(fs::current_path(), workingDirectory);
}

TEST_F(PresetFileProceduresTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    const fs::path path = file("locked.tvb", Bytes{1, 2, 3});
    fs::permissions(path, fs::perms::owner_read);
    choose(path);
    procedures.saveBank();
    choose(directory / "missing" / "x.tvp");
    procedures.savePreset();

    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], fileStatusMessage(FileStatus::CannotSave));
    EXPECT_EQ(readFileBytes(path, 100), (Bytes{1, 2, 3}));
}

TEST_F(PresetFileProceduresTest, ReadOnlyFilesLoadAndMissingOnesStopSilently) {
    const fs::path path = file("locked.tvp", *readFileBytes(kFixtures / "glue.tvp", 100));
    fs::permissions(path, fs::perms::owner_read);
    choose(path);
    procedures.loadPreset();
    EXPECT_STREQ(effect().program(0).name(), "Glue Things Together");

    const std::vector<FileRecord> before = store();
    choose(directory / "absent.tvb");
    procedures.loadBank();
    EXPECT_EQ(store(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PresetFileProceduresTest, WithoutAnEffectNothingHappens) {
    PresetFileProcedures detached(nullptr, dialogs, view);
    choose(kFixtures / "glue.tvp");
    detached.loadBank();
    detached.saveBank();
    detached.loadPreset();
    detached.savePreset();
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST(FileDialogSettings, NamesTitlesAndFilters) {
    const FileDialogSettings& loadBank = fileDialogSettings(FileDialogKind::LoadBank);
    EXPECT_EQ(loadBank.title, "Select bank to load...");
    EXPECT_EQ(loadBank.filterPattern, "*.tvb");
    EXPECT_FALSE(loadBank.saving);
    const FileDialogSettings& savePreset = fileDialogSettings(FileDialogKind::SavePreset);
    EXPECT_EQ(savePreset.title, "Save preset as...");
    EXPECT_EQ(savePreset.filterName, "Tav Presets");
    EXPECT_EQ(savePreset.defaultExtension, "tvp");
    EXPECT_TRUE(savePreset.saving);
}

} // namespace
