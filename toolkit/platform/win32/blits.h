// The colour-key and constant-alpha blits of "msimg32.dll", looked up at run time so that the
// plug-in needs no library beyond the system's own to load. Null while not found.
#pragma once

#include "toolkit/platform/win32/win32.h"

namespace toolkit::win32 {

using AlphaBlit = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using ColorKeyBlit = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

AlphaBlit alphaBlit();
ColorKeyBlit colorKeyBlit();

} // namespace toolkit::win32
