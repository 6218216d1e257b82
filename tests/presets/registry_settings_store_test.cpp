#include "presets/platform/win32/registry_settings_store.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Bytes = std::vector<unsigned char>;

// A private base path per test, below both roots, removed afterwards.
class RegistrySettingsStoreTest : public testing::Test {
protected:
    RegistrySettingsStoreTest() {
        std::random_device random;
        base_ = "SOFTWARE\\Tav-soundlabs\\AmberlowTest" + std::to_string(random());
    }
    ~RegistrySettingsStoreTest() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, base_.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    }

    static DWORD typeOf(HKEY root, const std::string& path, const char* name) {
        DWORD type = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return REG_NONE;
        }
        const LONG result = RegQueryValueExA(key, name, nullptr, &type, nullptr, nullptr);
        RegCloseKey(key);
        return result == ERROR_SUCCESS ? type : REG_NONE;
    }

    // Stands in for the machine root of a host that runs without elevation: every attempt to
    // create a key below it fails. (Wine does not enforce handle access rights, so an invalid
    // handle plays the part of a read-only one.)
    static HKEY lockedRoot() { return nullptr; }

    std::string base_;
};

TEST_F(RegistrySettingsStoreTest, WritesBelowTheMachineRootWhenItCan) {
    RegistrySettingsStore store(HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, base_);
    EXPECT_EQ(store.openForReading("MemoA"), nullptr);

    auto key = store.openForWriting("MemoA");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->write("param  0", SettingsValueKind::Binary, Bytes{0, 0, 0x80, 0x3f}));
    EXPECT_TRUE(key->write("name", SettingsValueKind::Text, Bytes{'K', 'i', 'c', 'k'}));
    key.reset();

    EXPECT_EQ(typeOf(HKEY_LOCAL_MACHINE, base_ + "\\MemoA", "param  0"), DWORD{REG_BINARY});
    EXPECT_EQ(typeOf(HKEY_LOCAL_MACHINE, base_ + "\\MemoA", "name"), DWORD{REG_SZ});
    auto reader = store.openForReading("MemoA");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->read("param  0"), (Bytes{0, 0, 0x80, 0x3f}));
    EXPECT_EQ(reader->read("name"), (Bytes{'K', 'i', 'c', 'k', 0}));
    EXPECT_EQ(reader->read("param  1"), std::nullopt);
}

TEST_F(RegistrySettingsStoreTest, FallsBackToTheUserRootWhenTheMachineRootIsLocked) {
    RegistrySettingsStore store(lockedRoot(), HKEY_CURRENT_USER, base_);

    auto key = store.openForWriting("Preferences");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->write("PPMhold", SettingsValueKind::Binary, Bytes{1, 2, 3, 4}));
    key.reset();

    EXPECT_EQ(typeOf(HKEY_CURRENT_USER, base_ + "\\Preferences", "PPMhold"), DWORD{REG_BINARY});
    auto reader = store.openForReading("Preferences");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->read("PPMhold"), (Bytes{1, 2, 3, 4}));
}

TEST_F(RegistrySettingsStoreTest, ReadsTheUserRootFirstThenTheMachineRoot) {
    RegistrySettingsStore machine(HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, base_);
    auto machineKey = machine.openForWriting("Preferences");
    machineKey->write("VUreference", SettingsValueKind::Binary, Bytes{1, 1, 1, 1});
    machineKey->write("PPMhold", SettingsValueKind::Binary, Bytes{2, 2, 2, 2});
    machineKey.reset();

    RegistrySettingsStore user(lockedRoot(), HKEY_CURRENT_USER, base_);
    user.openForWriting("Preferences")
        ->write("VUreference", SettingsValueKind::Binary, Bytes{3, 3, 3, 3});

    auto reader = machine.openForReading("Preferences");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->read("VUreference"), (Bytes{3, 3, 3, 3}));
    EXPECT_EQ(reader->read("PPMhold"), (Bytes{2, 2, 2, 2}));
}

} // namespace
