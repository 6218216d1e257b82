#include "toolkit/platform/win32/window_class.h"

#include "toolkit/platform/win32/module.h"

#include <cstdint>
#include <cstdio>

namespace toolkit::win32 {

namespace {
int users = 0;
bool swapped = false;
} // namespace

std::string windowClassName() {
    // Every digit of the handle: a shortened one could let two copies collide.
    char name[40];
    std::snprintf(
        name, sizeof name, "Plugin%0*llX", static_cast<int>(2 * sizeof(void*)),
        static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(toolkitModule())));
    return name;
}

bool acquireWindowClass(WNDPROC procedure) {
    if (users == 0) {
        const std::string name = windowClassName();
        WNDCLASSA description{};
        description.style = CS_GLOBALCLASS;
        description.lpfnWndProc = procedure;
        description.hInstance = toolkitModule();
        description.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // the arrow
        description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        description.lpszClassName = name.c_str();
        if (!RegisterClassA(&description)) {
            return false;
        }
        swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    }
    ++users;
    return true;
}

void releaseWindowClass() {
    if (users > 0 && --users == 0) {
        UnregisterClassA(windowClassName().c_str(), toolkitModule());
    }
}

bool swappedButtons() {
    return swapped;
}

} // namespace toolkit::win32
