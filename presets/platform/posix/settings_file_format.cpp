#include "presets/platform/posix/settings_file_format.h"

#include "presets/little_endian_float.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

constexpr std::string_view kSeparator = " = ";
constexpr std::string_view kFloatKind = "float ";
constexpr std::string_view kBinaryKind = "binary ";
constexpr std::string_view kTextKind = "text ";
constexpr char kHexDigits[] = "0123456789abcdef";

// Control bytes, the backslash and (in names) the separator's '=' are written as \xHH; every
// other byte, UTF-8 included, is written as it is.
void appendEscaped(std::string& out, std::string_view text, bool escapeEquals) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '\\' || (escapeEquals && c == '=')) {
            out += "\\x";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 15];
        } else {
            out += c;
        }
    }
}

std::optional<unsigned char> parseHexByte(std::string_view digits) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + 2, value, 16);
    if (error != std::errc{} || end != digits.data() + 2) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(value);
}

std::optional<std::string> unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (text.size() - i < 4 || text[i + 1] != 'x') {
            return std::nullopt;
        }
        const auto byte = parseHexByte(text.substr(i + 2, 2));
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
        i += 3;
    }
    return out;
}

std::optional<float> parseFloat(std::string_view text) {
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The shortest decimal that reads back to the same bits, or nothing.
std::optional<std::string> exactDecimal(float value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof(buffer), value);
    if (error != std::errc{}) {
        return std::nullopt;
    }
    std::string text(buffer, end);
    const auto back = parseFloat(text);
    if (!back || std::bit_cast<std::uint32_t>(*back) != std::bit_cast<std::uint32_t>(value)) {
        return std::nullopt;
    }
    return text;
}

void appendValue(std::string& out, const SettingsEntry& entry) {
    if (entry.kind == SettingsValueKind::Text) {
        out += kTextKind;
        appendEscaped(out, {reinterpret_cast<const char*>(entry.bytes.data()), entry.bytes.size()},
                      false);
        return;
    }
    if (const auto value = littleEndianFloat(entry.bytes)) {
        if (const auto decimal = exactDecimal(*value)) {
            out += kFloatKind;
            out += *decimal;
            return;
        }
    }
    out += kBinaryKind;
    for (unsigned char byte : entry.bytes) {
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 15];
    }
}

std::optional<std::vector<unsigned char>> parseHex(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto byte = parseHexByte(text.substr(i, 2));
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

std::optional<SettingsEntry> parseLine(std::string_view line) {
    const auto separator = line.find(kSeparator);
    if (line.empty() || line.front() == '#' || separator == std::string_view::npos) {
        return std::nullopt;
    }
    const auto name = unescape(line.substr(0, separator));
    const std::string_view value = line.substr(separator + kSeparator.size());
    if (!name) {
        return std::nullopt;
    }
    SettingsEntry entry{*name, SettingsValueKind::Binary, {}};
    if (value.starts_with(kTextKind)) {
        const auto text = unescape(value.substr(kTextKind.size()));
        if (!text) {
            return std::nullopt;
        }
        entry.kind = SettingsValueKind::Text;
        entry.bytes.assign(text->begin(), text->end());
    } else if (value.starts_with(kFloatKind)) {
        const auto number = parseFloat(value.substr(kFloatKind.size()));
        if (!number) {
            return std::nullopt;
        }
        const auto bytes = littleEndianBytes(*number);
        entry.bytes.assign(bytes.begin(), bytes.end());
    } else if (value.starts_with(kBinaryKind)) {
        auto bytes = parseHex(value.substr(kBinaryKind.size()));
        if (!bytes) {
            return std::nullopt;
        }
        entry.bytes = std::move(*bytes);
    } else {
        return std::nullopt;
    }
    return entry;
}

} // namespace

std::string formatSettingsFile(const std::vector<SettingsEntry>& entries) {
    std::string out = "# Tav Amberlow settings: one value a line, name = kind value\n";
    for (const SettingsEntry& entry : entries) {
        appendEscaped(out, entry.name, true);
        out += kSeparator;
        appendValue(out, entry);
        out += '\n';
    }
    return out;
}

std::vector<SettingsEntry> parseSettingsFile(std::string_view text) {
    std::vector<SettingsEntry> entries;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (auto entry = parseLine(line)) {
            entries.push_back(std::move(*entry));
        }
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return entries;
}
