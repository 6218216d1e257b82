#include "toolkit/platform/input.h"

#include "toolkit/platform/win32/win32.h"
#include "toolkit/platform/win32/window_class.h"

namespace toolkit::platform {

namespace {
bool held(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}
} // namespace

PointerButtons pointerButtons() {
    PointerButtons state;
    state.left = held(VK_LBUTTON);
    state.middle = held(VK_MBUTTON);
    state.right = held(VK_RBUTTON);
    state.shift = held(VK_SHIFT);
    state.control = held(VK_CONTROL);
    state.alt = held(VK_MENU);
    return state;
}

CPoint cursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return CPoint(p.x, p.y);
}

bool buttonsSwapped() {
    return win32::swappedButtons();
}

std::uint32_t tickCount() {
    return GetTickCount();
}

std::uint32_t doubleClickTime() {
    return GetDoubleClickTime();
}

} // namespace toolkit::platform
