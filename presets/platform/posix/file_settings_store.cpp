#include "presets/platform/posix/file_settings_store.h"

#include "presets/file_bytes.h"
#include "presets/platform/posix/settings_file_format.h"

#include <algorithm>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Far more than the thirteen values of a memory slot; a larger file is not ours to read.
constexpr std::size_t kMaxKeyFileSize = 64 * 1024;

std::optional<std::vector<SettingsEntry>> loadEntries(const fs::path& file) {
    const auto bytes = readFileBytes(file, kMaxKeyFileSize);
    if (!bytes) {
        return std::nullopt;
    }
    return parseSettingsFile({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
}

template <typename Entries> auto findEntry(Entries& entries, std::string_view name) {
    return std::find_if(entries.begin(), entries.end(),
                        [name](const SettingsEntry& entry) { return entry.name == name; });
}

// What a reader gets back: text with its terminating zero, binary as stored.
std::optional<std::vector<unsigned char>> valueOf(const std::vector<SettingsEntry>& entries,
                                                  std::string_view name) {
    const auto entry = findEntry(entries, name);
    if (entry == entries.end()) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes = entry->bytes;
    if (entry->kind == SettingsValueKind::Text) {
        bytes.push_back(0);
    }
    return bytes;
}

std::vector<unsigned char> textUpToZero(std::span<const unsigned char> bytes) {
    return {bytes.begin(), std::find(bytes.begin(), bytes.end(), 0)};
}

// Holds the store's directory locked against other writers, in this process or another, while one
// of them rereads and replaces a key's file; without it two instances writing at once could each
// drop the other's value. Readers need no lock: they only ever see whole files.
class DirectoryLock {
public:
    explicit DirectoryLock(const fs::path& directory)
        : descriptor_(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (descriptor_ >= 0) {
            ::flock(descriptor_, LOCK_EX);
        }
    }
    ~DirectoryLock() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int descriptor_;
};

// Each write rereads the file, so that values another instance wrote meanwhile are kept.
class WritableFileKey : public SettingsKey {
public:
    explicit WritableFileKey(fs::path file) : file_(std::move(file)) {}

    bool write(std::string_view name, SettingsValueKind kind,
               std::span<const unsigned char> bytes) override {
        const DirectoryLock lock(file_.parent_path());
        std::vector<SettingsEntry> entries =
            loadEntries(file_).value_or(std::vector<SettingsEntry>{});
        SettingsEntry entry{std::string(name), kind,
                            kind == SettingsValueKind::Text
                                ? textUpToZero(bytes)
                                : std::vector<unsigned char>(bytes.begin(), bytes.end())};
        const auto existing = findEntry(entries, name);
        if (existing == entries.end()) {
            entries.push_back(std::move(entry));
        } else {
            *existing = std::move(entry);
        }
        const std::string text = formatSettingsFile(entries);
        return replaceFile(file_,
                           {reinterpret_cast<const unsigned char*>(text.data()), text.size()});
    }

    std::optional<std::vector<unsigned char>> read(std::string_view name) override {
        const auto entries = loadEntries(file_);
        return entries ? valueOf(*entries, name) : std::nullopt;
    }

private:
    fs::path file_;
};

// A reading key holds the file as it was when opened: one recall sees one consistent slot.
class ReadableFileKey : public SettingsKey {
public:
    explicit ReadableFileKey(std::vector<SettingsEntry> entries) : entries_(std::move(entries)) {}

    bool write(std::string_view, SettingsValueKind, std::span<const unsigned char>) override {
        return false;
    }

    std::optional<std::vector<unsigned char>> read(std::string_view name) override {
        return valueOf(entries_, name);
    }

private:
    std::vector<SettingsEntry> entries_;
};

} // namespace

FileSettingsStore::FileSettingsStore(fs::path directory) : directory_(std::move(directory)) {}

std::optional<fs::path> FileSettingsStore::keyFile(std::string_view key) const {
    const bool plainName = !key.empty() && key.find_first_of("/\\.") == std::string_view::npos;
    if (directory_.empty() || !plainName) {
        return std::nullopt;
    }
    return directory_ / key;
}

std::unique_ptr<SettingsKey> FileSettingsStore::openForWriting(std::string_view key) {
    const auto file = keyFile(key);
    std::error_code error;
    if (!file || (fs::create_directories(directory_, error), error)) {
        return nullptr;
    }
    return std::make_unique<WritableFileKey>(*file);
}

std::unique_ptr<SettingsKey> FileSettingsStore::openForReading(std::string_view key) {
    const auto file = keyFile(key);
    auto entries = file ? loadEntries(*file) : std::nullopt;
    if (!entries) {
        return nullptr;
    }
    return std::make_unique<ReadableFileKey>(std::move(*entries));
}

std::optional<fs::path> settingsDirectory(const char* xdgConfigHome, const char* home) {
    const fs::path suffix = fs::path("Tav-soundlabs") / "TAVAM1";
    if (xdgConfigHome && fs::path(xdgConfigHome).is_absolute()) {
        return fs::path(xdgConfigHome) / suffix;
    }
    if (home && fs::path(home).is_absolute()) {
        return fs::path(home) / ".config" / suffix;
    }
    return std::nullopt;
}
