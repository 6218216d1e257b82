#include "presets/file_bytes.h"
#include "presets/platform/posix/file_settings_store.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes text(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST(FileSettingsStore, KeysAreCreatedOnWriteAndReadBack) {
    TemporaryDirectory home;
    FileSettingsStore store(home / "Tav-soundlabs" / "TAVAM1");
    EXPECT_EQ(store.openForReading("MemoA"), nullptr);

    auto key = store.openForWriting("MemoA");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->write("param  0", SettingsValueKind::Binary, Bytes{0, 0, 0, 0x3f}));
    EXPECT_TRUE(
        key->write("name", SettingsValueKind::Text, text(std::string_view("Kick\0junk", 9))));
    EXPECT_TRUE(key->write("param  0", SettingsValueKind::Binary, Bytes{0, 0, 0x80, 0x3f}));

    auto reader = store.openForReading("MemoA");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->read("param  0"), (Bytes{0, 0, 0x80, 0x3f}));
    EXPECT_EQ(reader->read("name"), text(std::string_view("Kick\0", 5)));
    EXPECT_EQ(reader->read("param  1"), std::nullopt);
    EXPECT_EQ(store.openForReading("MemoB"), nullptr);

    const auto file = readFileBytes(home / "Tav-soundlabs" / "TAVAM1" / "MemoA", 4096);
    ASSERT_TRUE(file);
    const std::string contents(file->begin(), file->end());
    EXPECT_NE(contents.find("param  0 = float 1\nname = text Kick\n"), std::string::npos)
        << contents;
    EXPECT_EQ(std::distance(fs::directory_iterator(home / "Tav-soundlabs" / "TAVAM1"),
                            fs::directory_iterator()),
              1);
}

TEST(FileSettingsStore, KeyNamesCannotLeaveTheDirectory) {
    TemporaryDirectory home;
    FileSettingsStore store(home.path());
    EXPECT_EQ(store.openForWriting("../escape"), nullptr);
    EXPECT_EQ(store.openForWriting(""), nullptr);
    EXPECT_EQ(FileSettingsStore("").openForWriting("MemoA"), nullptr);
}

TEST(FileSettingsStore, AFileThatCannotBeCreatedFailsTheWrite) {
    TemporaryDirectory home;
    fs::create_directories(home / "MemoA");
    FileSettingsStore store(home.path());
    auto key = store.openForWriting("MemoA");
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->write("name", SettingsValueKind::Text, text("x")));
}

// Two writers rewrite the same key while a reader opens it over and over: every file it sees is
// complete, never half written.
TEST(FileSettingsStore, ConcurrentWritersNeverLeaveATornFile) {
    TemporaryDirectory home;
    FileSettingsStore store(home.path());
    auto seed = store.openForWriting("Preferences");
    for (const char* name : {"VUreference", "VUtimeConst", "PPMrelease", "PPMhold"}) {
        seed->write(name, SettingsValueKind::Binary, Bytes{1, 2, 3, 4});
    }
    std::atomic<bool> stop{false};
    auto writer = [&](unsigned char fill) {
        FileSettingsStore own(home.path());
        while (!stop) {
            own.openForWriting("Preferences")
                ->write("PPMhold", SettingsValueKind::Binary, Bytes(4, fill));
        }
    };
    std::thread first(writer, 0x11);
    std::thread second(writer, 0x22);
    int complete = 0;
    for (int i = 0; i < 300; ++i) {
        auto key = store.openForReading("Preferences");
        ASSERT_NE(key, nullptr);
        complete += key->read("VUreference") && key->read("PPMhold") ? 1 : 0;
    }
    stop = true;
    first.join();
    second.join();
    EXPECT_EQ(complete, 300);
}

// Writers in different instances rewrite the same key at once: no value one of them wrote is lost.
TEST(FileSettingsStore, ConcurrentWritersKeepEachOthersValues) {
    TemporaryDirectory home;
    auto writer = [&](char prefix) {
        FileSettingsStore own(home.path());
        auto key = own.openForWriting("MemoA");
        for (int i = 0; i < 40; ++i) {
            key->write(prefix + std::to_string(i), SettingsValueKind::Binary, Bytes{1});
        }
    };
    std::thread first(writer, 'a');
    std::thread second(writer, 'b');
    first.join();
    second.join();

    auto key = FileSettingsStore(home.path()).openForReading("MemoA");
    ASSERT_NE(key, nullptr);
    for (int i = 0; i < 40; ++i) {
        EXPECT_TRUE(key->read("a" + std::to_string(i))) << i;
        EXPECT_TRUE(key->read("b" + std::to_string(i))) << i;
    }
}

TEST(FileSettingsStore, DirectoryFollowsTheUsersConfigurationHome) {
    EXPECT_EQ(settingsDirectory("/x/config", "/home/u"),
              fs::path("/x/config/Tav-soundlabs/TAVAM1"));
    EXPECT_EQ(settingsDirectory(nullptr, "/home/u"),
              fs::path("/home/u/.config/Tav-soundlabs/TAVAM1"));
    EXPECT_EQ(settingsDirectory("relative", "/home/u"),
              fs::path("/home/u/.config/Tav-soundlabs/TAVAM1"));
    EXPECT_EQ(settingsDirectory(nullptr, nullptr), std::nullopt);
}

} // namespace
