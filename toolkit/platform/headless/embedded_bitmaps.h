// Bitmap files built into a binary, registered by generated tables at start-up and found by
// resource id.
#pragma once

#include <cstddef>
#include <cstdint>

namespace toolkit::headless {

struct EmbeddedBitmap {
    std::int32_t id;
    const unsigned char* data;
    std::size_t size;
};

void registerEmbeddedBitmaps(const EmbeddedBitmap* table, std::size_t count);
const EmbeddedBitmap* findEmbeddedBitmap(std::int32_t id);

} // namespace toolkit::headless
