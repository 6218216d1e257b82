#include "toolkit/platform/headless/bmp_decoder.h"

#include <cstdint>

namespace toolkit::headless {

namespace {

std::uint32_t readLe(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | p[i];
    }
    return value;
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::int32_t kLargestSide = 1 << 15;

} // namespace

cairo_surface_t* decodeBmp(const unsigned char* data, std::size_t size) {
    if (!data || size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M') {
        return nullptr;
    }
    const std::size_t pixelsAt = readLe(data + 10, 4);
    const unsigned char* info = data + kFileHeader;
    const std::size_t infoSize = readLe(info, 4);
    const auto width = static_cast<std::int32_t>(readLe(info + 4, 4));
    const auto rawHeight = static_cast<std::int32_t>(readLe(info + 8, 4));
    const std::uint32_t bits = readLe(info + 14, 2);
    const std::uint32_t compression = readLe(info + 16, 4);
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide ||
        (bits != 8 && bits != 24 && bits != 32) || (compression != 0 && compression != 3)) {
        return nullptr;
    }
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (pixelsAt > size || stride * static_cast<std::size_t>(height) > size - pixelsAt) {
        return nullptr;
    }
    const unsigned char* palette = info + infoSize;
    std::size_t paletteEntries = 0;
    if (bits == 8) {
        paletteEntries = readLe(info + 32, 4);
        if (paletteEntries == 0 || paletteEntries > 256) {
            paletteEntries = 256;
        }
        if (kFileHeader + infoSize + paletteEntries * 4 > pixelsAt) {
            return nullptr;
        }
    }

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* target = cairo_image_surface_get_data(surface);
    const int targetStride = cairo_image_surface_get_stride(surface);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::int32_t sourceRow = topDown ? y : height - 1 - y;
        const unsigned char* row = data + pixelsAt + stride * static_cast<std::size_t>(sourceRow);
        auto* out = reinterpret_cast<std::uint32_t*>(target + targetStride * y);
        for (std::int32_t x = 0; x < width; ++x) {
            const unsigned char* bgr = nullptr;
            if (bits == 8) {
                const std::size_t index = row[x];
                bgr = palette + (index < paletteEntries ? index : 0) * 4;
            } else {
                bgr = row + static_cast<std::size_t>(x) * (bits / 8);
            }
            out[x] = (std::uint32_t{bgr[2]} << 16) | (std::uint32_t{bgr[1]} << 8) | bgr[0];
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

} // namespace toolkit::headless
