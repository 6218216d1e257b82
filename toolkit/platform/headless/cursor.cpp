#include "toolkit/platform/cursor.h"
#include "toolkit/platform/headless/headless.h"

#include <array>

namespace toolkit {

namespace {

// One distinct object per cursor kind stands for its shape; index 0 is the arrow.
constexpr std::array<std::int32_t, 10> kShapes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
platform::CursorHandle shown = &kShapes[0];

} // namespace

namespace platform {

CursorHandle currentCursor() {
    return shown;
}

void showCursor(CursorHandle cursor) {
    if (cursor) {
        shown = cursor;
    }
}

CursorHandle cursorForKind(std::int32_t kind) {
    const bool hasShape = kind >= 1 && kind <= 9 && kind != 7;
    return hasShape ? &kShapes[static_cast<std::size_t>(kind)] : nullptr;
}

} // namespace platform

std::int32_t headless::shownCursorKind() {
    return *static_cast<const std::int32_t*>(shown);
}

} // namespace toolkit
