#include "presets/platform/posix/settings_file_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

namespace {

std::vector<unsigned char> floatBytes(std::uint32_t bits) {
    return {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
            static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
}

std::vector<unsigned char> textBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

SettingsEntry roundTrip(const SettingsEntry& entry) {
    const auto entries = parseSettingsFile(formatSettingsFile({entry}));
    EXPECT_EQ(entries.size(), 1u);
    return entries.empty() ? SettingsEntry{} : entries[0];
}

TEST(SettingsFileFormat, IsReadableByAPerson) {
    const std::string text = formatSettingsFile(
        {{"param  0", SettingsValueKind::Binary, floatBytes(std::bit_cast<std::uint32_t>(0.5f))},
         {"VUreference", SettingsValueKind::Binary,
          floatBytes(std::bit_cast<std::uint32_t>(-14.0f))},
         {"name", SettingsValueKind::Text, textBytes("Glue Things Together")}});
    EXPECT_NE(text.find("\nparam  0 = float 0.5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nVUreference = float -14\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nname = text Glue Things Together\n"), std::string::npos) << text;
}

TEST(SettingsFileFormat, EveryFloatRoundTripsBitForBit) {
    const std::uint32_t special[] = {0x00000000,
                                     0x80000000,
                                     0x00000001,
                                     0x807fffff,
                                     0x7f7fffff,
                                     0x7f800000,
                                     0xff800000,
                                     0x7fc00000,
                                     0xffc00001,
                                     0x7f800001,
                                     std::bit_cast<std::uint32_t>(0.6f),
                                     std::bit_cast<std::uint32_t>(-1000.0f),
                                     std::bit_cast<std::uint32_t>(1.0f / 3.0f)};
    for (std::uint32_t bits : special) {
        const SettingsEntry entry{"v", SettingsValueKind::Binary, floatBytes(bits)};
        EXPECT_EQ(roundTrip(entry).bytes, entry.bytes) << std::hex << bits;
    }
    // A sweep across the whole range of bit patterns, every exponent and sign included.
    for (std::uint64_t bits = 12345; bits <= 0xffffffffu; bits += 65521) {
        const SettingsEntry entry{"v", SettingsValueKind::Binary,
                                  floatBytes(static_cast<std::uint32_t>(bits))};
        ASSERT_EQ(roundTrip(entry).bytes, entry.bytes) << std::hex << bits;
    }
}

TEST(SettingsFileFormat, AnyNameTextAndBinaryRoundTrips) {
    const SettingsEntry entries[] = {
        {"name", SettingsValueKind::Text, textBytes("  spaced = \\x41 \"quoted\"\t\r\n ")},
        {"name", SettingsValueKind::Text, textBytes("Größe")},
        {"name", SettingsValueKind::Text, {}},
        {"odd = name\\", SettingsValueKind::Binary, {1, 2, 3}},
        {"empty", SettingsValueKind::Binary, {}},
    };
    for (const SettingsEntry& entry : entries) {
        const SettingsEntry back = roundTrip(entry);
        EXPECT_EQ(back.name, entry.name);
        EXPECT_EQ(back.kind, entry.kind);
        EXPECT_EQ(back.bytes, entry.bytes);
    }
}

TEST(SettingsFileFormat, DamagedLinesAreSkipped) {
    const auto entries = parseSettingsFile("# comment\n"
                                           "garbage\n"
                                           "a = float not-a-number\n"
                                           "b = binary 123\n"
                                           "c = text bad \\xZZ escape\n"
                                           "d = unknown 1\n"
                                           "e = float 0.25\n"
                                           "f = binary 0a0b");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "e");
    EXPECT_EQ(entries[0].bytes, floatBytes(std::bit_cast<std::uint32_t>(0.25f)));
    EXPECT_EQ(entries[1].name, "f");
    EXPECT_EQ(entries[1].bytes, (std::vector<unsigned char>{0x0a, 0x0b}));
}

} // namespace
