#include "toolkit/platform/headless/embedded_bitmaps.h"

#include <vector>

namespace toolkit::headless {

namespace {
std::vector<EmbeddedBitmap>& registry() {
    static std::vector<EmbeddedBitmap> bitmaps;
    return bitmaps;
}
} // namespace

void registerEmbeddedBitmaps(const EmbeddedBitmap* table, std::size_t count) {
    registry().insert(registry().end(), table, table + count);
}

const EmbeddedBitmap* findEmbeddedBitmap(std::int32_t id) {
    for (const EmbeddedBitmap& bitmap : registry()) {
        if (bitmap.id == id) {
            return &bitmap;
        }
    }
    return nullptr;
}

} // namespace toolkit::headless
