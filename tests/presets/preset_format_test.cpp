#include "presets/preset_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <random>

namespace {

using Bytes = std::vector<unsigned char>;

FileRecord sampleRecord(int seed) {
    FileRecord record{"Record " + std::to_string(seed), {}};
    for (int i = 0; i < kNumParams; ++i) {
        record.values[i] = static_cast<float>((seed * 7 + i) % 13) / 12.0f;
    }
    return record;
}

std::vector<FileRecord> sampleBank() {
    std::vector<FileRecord> records;
    for (int r = 0; r < kBankRecordCount; ++r) {
        records.push_back(sampleRecord(r));
    }
    return records;
}

void expectSameRecord(const FileRecord& actual, const FileRecord& expected) {
    EXPECT_EQ(actual.name, expected.name);
    for (int i = 0; i < kNumParams; ++i) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(actual.values[i]),
                  std::bit_cast<std::uint32_t>(expected.values[i]))
            << "value " << i;
    }
}

Bytes withHeader(const char* identifier, unsigned char kind, std::size_t size) {
    Bytes bytes(size, 0);
    std::memcpy(bytes.data(), identifier, std::min<std::size_t>(4, size));
    if (size > 4) {
        bytes[4] = kind;
    }
    return bytes;
}

TEST(PresetFormat, PresetRoundTripsWithTheDocumentedLayout) {
    const FileRecord record = sampleRecord(3);
    const Bytes bytes = encodePreset(record);

    ASSERT_EQ(bytes.size(), 77u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MAVT");
    EXPECT_EQ(bytes[4], 0x21);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[5])), "Record 3");
    float first = 0;
    std::memcpy(&first, &bytes[29], 4);
    EXPECT_EQ(first, record.values[0]);

    const PresetDecodeResult decoded = decodePreset(bytes);
    ASSERT_EQ(decoded.status, FileStatus::Ok);
    EXPECT_FALSE(decoded.namesOnly);
    expectSameRecord(decoded.record, record);
}

TEST(PresetFormat, BankRoundTripsWithTheDocumentedLayout) {
    const std::vector<FileRecord> records = sampleBank();
    const Bytes bytes = encodeBank(records);

    ASSERT_EQ(bytes.size(), 2381u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MAVT");
    EXPECT_EQ(bytes[4], 0x37);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[5 + 72 * 32])), "Record 32");

    const BankDecodeResult decoded = decodeBank(bytes);
    ASSERT_EQ(decoded.status, FileStatus::Ok);
    ASSERT_EQ(decoded.records.size(), 33u);
    for (int r = 0; r < kBankRecordCount; ++r) {
        expectSameRecord(decoded.records[r], records[r]);
    }
}

TEST(PresetFormat, AcceptsTheIdentifierInEitherByteOrder) {
    Bytes preset = encodePreset(sampleRecord(1));
    Bytes bank = encodeBank(sampleBank());
    std::memcpy(preset.data(), "TVAM", 4);
    std::memcpy(bank.data(), "TVAM", 4);

    EXPECT_EQ(decodePreset(preset).status, FileStatus::Ok);
    expectSameRecord(decodePreset(preset).record, sampleRecord(1));
    EXPECT_EQ(decodeBank(bank).status, FileStatus::Ok);
}

TEST(PresetFormat, RefusesWhatItCannotReadWithTheRightStatus) {
    const Bytes preset = encodePreset(sampleRecord(1));
    const Bytes bank = encodeBank(sampleBank());
    struct Case {
        const char* what;
        Bytes bytes;
        FileStatus asPreset;
        FileStatus asBank;
    };
    const Case cases[] = {
        {"empty", {}, FileStatus::InvalidFile, FileStatus::InvalidFile},
        {"identifier only", withHeader("MAVT", 0, 4), FileStatus::InvalidFile,
         FileStatus::InvalidFile},
        {"wrong identifier", withHeader("MAVX", 0x21, 77), FileStatus::InvalidFile,
         FileStatus::InvalidFile},
        {"mixed byte order", withHeader("MATV", 0x37, 2381), FileStatus::InvalidFile,
         FileStatus::InvalidFile},
        {"preset", preset, FileStatus::Ok, FileStatus::NotABank},
        {"bank", bank, FileStatus::NotAPreset, FileStatus::Ok},
        {"preset header only", withHeader("MAVT", 0x21, 5), FileStatus::InvalidFile,
         FileStatus::NotABank},
        {"truncated preset", Bytes(preset.begin(), preset.end() - 1), FileStatus::InvalidFile,
         FileStatus::NotABank},
        {"truncated bank", Bytes(bank.begin(), bank.end() - 1), FileStatus::NotAPreset,
         FileStatus::InvalidFile},
        {"bank cut to a record", Bytes(bank.begin(), bank.begin() + 77), FileStatus::NotAPreset,
         FileStatus::InvalidFile},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodePreset(c.bytes).status, c.asPreset) << c.what;
        EXPECT_EQ(decodeBank(c.bytes).status, c.asBank) << c.what;
    }
}

TEST(PresetFormat, ReadsOnlyTheLayoutOfALongerFile) {
    Bytes preset = encodePreset(sampleRecord(2));
    Bytes bank = encodeBank(sampleBank());
    preset.resize(300, 0xEE);
    bank.resize(9000, 0xEE);

    expectSameRecord(decodePreset(preset).record, sampleRecord(2));
    const BankDecodeResult decoded = decodeBank(bank);
    ASSERT_EQ(decoded.status, FileStatus::Ok);
    expectSameRecord(decoded.records[32], sampleRecord(32));
}

TEST(PresetFormat, NamesOnlyPresetCarriesJustTheName) {
    Bytes bytes = withHeader("MAVT", 0x21, 149);
    std::memcpy(&bytes[5], "Just a name", 11);

    const PresetDecodeResult decoded = decodePreset(bytes);
    ASSERT_EQ(decoded.status, FileStatus::Ok);
    EXPECT_TRUE(decoded.namesOnly);
    EXPECT_EQ(decoded.record.name, "Just a name");
}

TEST(PresetFormat, NamesOnlyBankCarriesThirtyTwoNamesBackToBack) {
    Bytes bytes = withHeader("MAVT", 0x37, 4325);
    for (int r = 0; r < 32; ++r) {
        const std::string name = "Slot " + std::to_string(r);
        std::memcpy(&bytes[5 + 24 * r], name.data(), name.size());
    }

    const BankDecodeResult decoded = decodeBank(bytes);
    ASSERT_EQ(decoded.status, FileStatus::Ok);
    EXPECT_TRUE(decoded.namesOnly);
    ASSERT_EQ(decoded.records.size(), 32u);
    EXPECT_EQ(decoded.records[0].name, "Slot 0");
    EXPECT_EQ(decoded.records[31].name, "Slot 31");
}

TEST(PresetFormat, NameFieldsHoldTwentyFourCharactersWithoutATerminatingZero) {
    FileRecord record = sampleRecord(0);
    record.name = "abcdefghijklmnopqrstuvwxyz0123";
    const Bytes bytes = encodePreset(record);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 29), "abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(decodePreset(bytes).record.name, "abcdefghijklmnopqrstuvwx");

    Bytes garbageAfterZero = encodePreset(sampleRecord(0));
    garbageAfterZero[5 + 9] = 'Z';
    EXPECT_EQ(decodePreset(garbageAfterZero).record.name, "Record 0");
}

TEST(PresetFormat, StoresValuesAsWrittenForTheRecordToClamp) {
    FileRecord record = sampleRecord(0);
    record.values[0] = 1.5f;
    record.values[1] = -3.0f;
    const PresetDecodeResult decoded = decodePreset(encodePreset(record));
    EXPECT_EQ(decoded.record.values[0], 1.5f);
    EXPECT_EQ(decoded.record.values[1], -3.0f);
}

// Whatever the bytes, decoding answers a status and never reads outside them (the sanitizer
// build checks the second half).
TEST(PresetFormat, SurvivesRandomFiles) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 300; ++round) {
        const std::size_t size = random() % 4400;
        Bytes bytes(size);
        for (auto& byte : bytes) {
            byte = static_cast<unsigned char>(random());
        }
        if (size >= 5 && round % 2 == 0) {
            std::memcpy(bytes.data(), round % 4 == 0 ? "MAVT" : "TVAM", 4);
            bytes[4] = round % 3 == 0 ? 0x21 : 0x37;
        }
        const Bytes copy = bytes;
        const PresetDecodeResult preset = decodePreset(copy);
        const BankDecodeResult bank = decodeBank(copy);
        EXPECT_TRUE(preset.status != FileStatus::Ok || size >= 77 || size == 149);
        EXPECT_TRUE(bank.status != FileStatus::Ok || bank.records.size() >= 32);
        for (const FileRecord& record : bank.records) {
            EXPECT_LE(record.name.size(), 24u);
        }
    }
}

} // namespace
