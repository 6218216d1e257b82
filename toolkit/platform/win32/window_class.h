// The frame windows' class: registered on first use, unregistered when its last window goes,
// and named after the module so that separate copies of the library never share a class.
#pragma once

#include "toolkit/platform/win32/win32.h"

#include <string>

namespace toolkit::win32 {

// Registers the class if needed and counts one more user; false when it cannot be registered.
bool acquireWindowClass(WNDPROC procedure);
void releaseWindowClass();
std::string windowClassName();
// The system's swapped-buttons setting, read when the class was registered.
bool swappedButtons();

} // namespace toolkit::win32
