// Physical pointer, keyboard-modifier and clock state, read at the moment of the call and not
// from any message queue: tracking loops poll these until the button is released.
#pragma once

#include "toolkit/point.h"

#include <cstdint>

namespace toolkit::platform {

struct PointerButtons {
    bool left = false;
    bool middle = false;
    bool right = false;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

PointerButtons pointerButtons();
CPoint cursorPosition();
// Whether the user swapped the primary and secondary buttons.
bool buttonsSwapped();

std::uint32_t tickCount();
std::uint32_t doubleClickTime();

} // namespace toolkit::platform
