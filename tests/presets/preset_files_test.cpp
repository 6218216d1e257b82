#include "presets/file_bytes.h"
#include "presets/preset_files.h"
#include "presets/program_records.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const fs::path kFixtures = AMBERLOW_FIXTURES;

Bytes contentsOf(const fs::path& path) {
    return readFileBytes(path, 1 << 20).value_or(Bytes{});
}

void writeRaw(const fs::path& path, const Bytes& bytes) {
    ASSERT_TRUE(replaceFile(path, bytes));
}

FileRecord glue() {
    return {"Glue Things Together", {1.0f, 0, 0.5f, 0, 0.6f, 0.375f, 0.133f, 0, 0, 0, 0, 0}};
}

// The committed files were written by this writer; a change to the layout breaks these.
TEST(PresetFixtures, PresetFileMatchesTheWriterByteForByte) {
    const Bytes fixture = contentsOf(kFixtures / "glue.tvp");
    ASSERT_EQ(fixture.size(), 77u);
    EXPECT_EQ(encodePreset(glue()), fixture);

    const Bytes header = {'M', 'A', 'V', 'T', 0x21};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), fixture.begin()));
    EXPECT_EQ(std::memcmp(&fixture[5], "Glue Things Together\0\0\0\0", 24), 0);
    const Bytes oneLittleEndian = {0x00, 0x00, 0x80, 0x3f};
    EXPECT_TRUE(std::equal(oneLittleEndian.begin(), oneLittleEndian.end(), fixture.begin() + 29));

    const PresetDecodeResult read = readPresetFile(kFixtures / "glue.tvp");
    ASSERT_EQ(read.status, FileStatus::Ok);
    EXPECT_EQ(read.record.name, "Glue Things Together");
    EXPECT_EQ(read.record.values, glue().values);
}

TEST(PresetFixtures, FactoryBankMatchesTheWriterByteForByte) {
    const Bytes fixture = contentsOf(kFixtures / "factory.tvb");
    ASSERT_EQ(fixture.size(), 2381u);

    const BankDecodeResult read = readBankFile(kFixtures / "factory.tvb");
    ASSERT_EQ(read.status, FileStatus::Ok);
    EXPECT_EQ(read.records[0].name, "Current");
    EXPECT_EQ(read.records[11].name, glue().name);
    EXPECT_EQ(read.records[11].values, glue().values);
    EXPECT_EQ(read.records[32].name, "Bus Comp 3");
    EXPECT_EQ(std::memcmp(&fixture[5 + 72 * 32], "Bus Comp 3", 11), 0);
    EXPECT_EQ(encodeBank(read.records), fixture);
    EXPECT_EQ(encodeBank(factoryBankRecords()), fixture);
}

TEST(PresetFiles, WrittenFilesReadBack) {
    TemporaryDirectory directory;
    ASSERT_EQ(writePresetFile(directory / "one.tvp", glue()), FileStatus::Ok);
    const PresetDecodeResult preset = readPresetFile(directory / "one.tvp");
    EXPECT_EQ(preset.status, FileStatus::Ok);
    EXPECT_EQ(preset.record.name, glue().name);

    const std::vector<FileRecord> records(33, glue());
    ASSERT_EQ(writeBankFile(directory / "all.tvb", records), FileStatus::Ok);
    EXPECT_EQ(contentsOf(directory / "all.tvb"), encodeBank(records));
    EXPECT_EQ(readBankFile(directory / "all.tvb").records.size(), 33u);
}

TEST(PresetFiles, AMissingFileCannotBeOpened) {
    TemporaryDirectory directory;
    EXPECT_EQ(readPresetFile(directory / "none.tvp").status, FileStatus::CannotOpen);
    EXPECT_EQ(readBankFile(directory / "none.tvb").status, FileStatus::CannotOpen);
}

TEST(PresetFiles, ReadOnlyFilesLoad) {
    TemporaryDirectory directory;
    const fs::path path = directory / "locked.tvp";
    writeRaw(path, encodePreset(glue()));
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(readPresetFile(path).status, FileStatus::Ok);
}

TEST(PresetFiles, AHugeFileIsReadOnlyAsFarAsItsLayout) {
    TemporaryDirectory directory;
    Bytes bytes = encodeBank(std::vector<FileRecord>(33, glue()));
    bytes.resize(8 << 20, 0xAB);
    writeRaw(directory / "huge.tvb", bytes);
    const BankDecodeResult read = readBankFile(directory / "huge.tvb");
    EXPECT_EQ(read.status, FileStatus::Ok);
    EXPECT_EQ(read.records[32].name, glue().name);
}

TEST(PresetFiles, AFailedSaveLeavesTheOldFileAndNoLitter) {
    TemporaryDirectory directory;
    const fs::path path = directory / "keep.tvp";
    const Bytes old = encodePreset({"Old", {}});
    writeRaw(path, old);
    fs::permissions(path, fs::perms::owner_read);

    EXPECT_EQ(writePresetFile(path, glue()), FileStatus::CannotSave);
    EXPECT_EQ(writeBankFile(directory / "missing" / "dir.tvb", {}), FileStatus::CannotSave);
    EXPECT_EQ(writePresetFile(directory.path(), glue()), FileStatus::CannotSave);

    EXPECT_EQ(contentsOf(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 1);
}

TEST(PresetFiles, ASaveReplacesAnExistingFileWhole) {
    TemporaryDirectory directory;
    const fs::path path = directory / "replace.tvb";
    writeRaw(path, Bytes(5000, 0x11));
    ASSERT_EQ(writePresetFile(path, glue()), FileStatus::Ok);
    EXPECT_EQ(contentsOf(path), encodePreset(glue()));
    EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 1);
}

#ifndef _WIN32
TEST(PresetFiles, ASaveThroughALinkReplacesTheLinkedFileAndKeepsItsRights) {
    TemporaryDirectory directory;
    const fs::path real = directory / "real.tvp";
    writeRaw(real, Bytes{1});
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, directory / "link.tvp");

    ASSERT_EQ(writePresetFile(directory / "link.tvp", glue()), FileStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(directory / "link.tvp"));
    EXPECT_EQ(contentsOf(real), encodePreset(glue()));
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST(FileStatusMessages, RefusalsAndFailedSavesShowAMessage) {
    EXPECT_EQ(fileStatusMessage(FileStatus::InvalidFile), "Error #01: Invalid preset file!");
    EXPECT_EQ(fileStatusMessage(FileStatus::NotABank), "Not a bank file!");
    EXPECT_EQ(fileStatusMessage(FileStatus::NotAPreset), "Error #02: Not a preset file!");
    EXPECT_FALSE(fileStatusMessage(FileStatus::CannotSave).empty());
    EXPECT_TRUE(fileStatusMessage(FileStatus::Ok).empty());
    EXPECT_TRUE(fileStatusMessage(FileStatus::CannotOpen).empty());
}

} // namespace
