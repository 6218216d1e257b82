#include "presets/file_bytes.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

fs::path temporaryBeside(const fs::path& path) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(generator());
    return temporary;
}

namespace {

// A link stays a link: the file it leads to is the one replaced.
fs::path resolveLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

bool writeComplete(const fs::path& path, std::span<const unsigned char> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

std::optional<std::vector<unsigned char>> readFileBytes(const fs::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool replaceFile(const fs::path& link, std::span<const unsigned char> bytes) {
    const fs::path path = resolveLink(link);
    std::error_code error;
    const fs::file_status previous = fs::status(path, error);
    const bool replacing = !error && fs::exists(previous);
    if (replacing && (previous.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return false;
    }
    const fs::path temporary = temporaryBeside(path);
    if (!writeComplete(temporary, bytes)) {
        fs::remove(temporary, error);
        return false;
    }
    // The new file keeps the access rights the user gave the old one.
    if (replacing) {
        fs::permissions(temporary, previous.permissions(), error);
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
