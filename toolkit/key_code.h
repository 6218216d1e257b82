// A key event as the host delivers it: a character, a virtual key code and modifier bits.
#pragma once

#include <cstdint>

namespace toolkit {

struct CKeyCode {
    std::int32_t character = 0;
    std::uint8_t virt = 0;
    std::uint8_t modifier = 0;
};

inline constexpr std::uint8_t kVirtualKeyTab = 2;
inline constexpr std::uint8_t kKeyModifierShift = 1;

} // namespace toolkit
