// Pointer shapes shown over the frame window.
#pragma once

#include <cstdint>

namespace toolkit::platform {

using CursorHandle = const void*;

CursorHandle currentCursor();
void showCursor(CursorHandle cursor);
// The shape of a cursor kind (1 wait, 2 west-east, 3 north-south, 4 move, 5 north-east,
// 6 north-west, 8 not allowed, 9 hand); null for any other kind.
CursorHandle cursorForKind(std::int32_t kind);

} // namespace toolkit::platform
