#include "toolkit/platform/cursor.h"

#include "toolkit/platform/win32/win32.h"

namespace toolkit::platform {

CursorHandle currentCursor() {
    return GetCursor();
}

void showCursor(CursorHandle cursor) {
    SetCursor(static_cast<HCURSOR>(const_cast<void*>(cursor)));
}

CursorHandle cursorForKind(std::int32_t kind) {
    // The system cursors' ids: wait, west-east, north-south, move, north-east/south-west,
    // north-west/south-east, (none), not allowed, hand.
    static constexpr WORD kSystemCursors[] = {32514, 32644, 32645, 32646, 32643,
                                              32642, 0,     32648, 32649};
    if (kind < 1 || kind > 9 || kSystemCursors[kind - 1] == 0) {
        return nullptr;
    }
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(kSystemCursors[kind - 1]));
}

} // namespace toolkit::platform
