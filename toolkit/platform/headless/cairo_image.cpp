#include "toolkit/platform/headless/cairo_image.h"

#include "toolkit/platform/headless/bmp_decoder.h"
#include "toolkit/platform/headless/embedded_bitmaps.h"

namespace toolkit::platform {

std::unique_ptr<Image> loadImage(std::int32_t resourceId) {
    const headless::EmbeddedBitmap* bitmap = headless::findEmbeddedBitmap(resourceId);
    if (!bitmap) {
        return nullptr;
    }
    cairo_surface_t* surface = headless::decodeBmp(bitmap->data, bitmap->size);
    if (!surface) {
        return nullptr;
    }
    return std::make_unique<headless::CairoImage>(surface);
}

} // namespace toolkit::platform
