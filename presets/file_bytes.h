// Whole-file reading and writing for the small files the presets keep: nothing is read past a
// limit, and a file is only ever replaced by a complete new one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// The file's first bytes, at most limit of them; nothing when it cannot be opened for reading.
std::optional<std::vector<unsigned char>> readFileBytes(const std::filesystem::path& path,
                                                        std::size_t limit);

// A name in path's directory that no other writer picks, so that concurrent saves of the same
// file each complete their own copy before renaming it over the target.
std::filesystem::path temporaryBeside(const std::filesystem::path& path);

// Writes bytes to a new file beside path and renames it over path once it is complete, so that a
// failed write (no permission, disk full) leaves any previous file untouched and readers never
// see half a file. A read-only target is not replaced; a link keeps leading to the file, which
// keeps its access rights. Answers whether path now holds bytes.
bool replaceFile(const std::filesystem::path& path, std::span<const unsigned char> bytes);
