// The module whose resources and window class the back end uses.
#pragma once

#include "toolkit/platform/win32/win32.h"

namespace toolkit::win32 {

// The module handle the plug-in gave, or the process's own executable when none was given.
HINSTANCE toolkitModule();

} // namespace toolkit::win32
