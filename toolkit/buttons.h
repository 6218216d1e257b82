// The button and modifier mask handed to press handlers. kButtonsUnknown asks the handler to
// read the state itself at the moment it needs it.
#pragma once

#include <cstdint>

namespace toolkit {

inline constexpr std::int32_t kButtonLeft = 1;
inline constexpr std::int32_t kButtonMiddle = 2;
inline constexpr std::int32_t kButtonRight = 4;
inline constexpr std::int32_t kModShift = 8;
inline constexpr std::int32_t kModControl = 16;
inline constexpr std::int32_t kModAlt = 32;
inline constexpr std::int32_t kModCommand = 64;
inline constexpr std::int32_t kButtonsUnknown = -1;

inline constexpr std::int32_t kAnyModifier = kModShift | kModControl | kModAlt | kModCommand;

} // namespace toolkit
