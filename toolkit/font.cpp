#include "toolkit/font.h"

#include <array>

namespace toolkit {

namespace {

struct FontEntry {
    const char* face;
    std::int32_t size;
    std::uint8_t pitchAndFamily;
};

constexpr std::uint8_t kVariableSwiss = 0x22;
constexpr std::uint8_t kDecorative = 0x50;

constexpr std::array<FontEntry, kNumFonts> kFontTable{{
    {"Arial", 12, 0},
    {"Arial", 18, kVariableSwiss},
    {"Arial", 14, kVariableSwiss},
    {"Arial", 12, kVariableSwiss},
    {"Arial", 11, kVariableSwiss},
    {"Arial", 10, kVariableSwiss},
    {"Arial", 9, kVariableSwiss},
    {"Symbol", 13, kDecorative},
}};

} // namespace

std::int32_t normalizeFontId(std::int32_t id) {
    return id >= 0 && id < kNumFonts ? id : kFontSystem;
}

std::int32_t fontSize(std::int32_t id) {
    return kFontTable[normalizeFontId(id)].size;
}

FontChoice fontChoice(std::int32_t id, std::int32_t style) {
    id = normalizeFontId(id);
    const FontEntry& entry = kFontTable[id];
    FontChoice choice;
    choice.face = entry.face;
    choice.size = entry.size;
    // The system font is always bold, whatever style is asked for.
    choice.weight = (id == kFontSystem || (style & kStyleBold)) ? 700 : 400;
    choice.italic = (style & kStyleItalic) != 0;
    choice.underline = (style & kStyleUnderline) != 0;
    choice.pitchAndFamily = entry.pitchAndFamily;
    return choice;
}

} // namespace toolkit
