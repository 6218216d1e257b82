// The fixed table of fonts the toolkit draws text with, the style bits and the text alignments.
#pragma once

#include <cstdint>

namespace toolkit {

enum CFont : std::int32_t {
    kFontSystem = 0,
    kFontVeryBig,
    kFontBig,
    kFontNormal,
    kFontSmall,
    kFontSmaller,
    kFontVerySmall,
    kFontSymbol,
    kNumFonts
};

inline constexpr std::int32_t kStyleBold = 1;
inline constexpr std::int32_t kStyleItalic = 2;
inline constexpr std::int32_t kStyleUnderline = 4;

enum CHoriTxtAlign : std::int32_t { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

// What a back end needs to build a native font.
struct FontChoice {
    const char* face = "";
    std::int32_t size = 0; // character height in pixels
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    std::uint8_t pitchAndFamily = 0;

    bool operator==(const FontChoice&) const = default;
};

// An id outside the table means the system font.
std::int32_t normalizeFontId(std::int32_t id);
std::int32_t fontSize(std::int32_t id);
FontChoice fontChoice(std::int32_t id, std::int32_t style);

} // namespace toolkit
