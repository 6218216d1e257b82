// Decodes a Windows bitmap file (uncompressed, 8, 24 or 32 bits per pixel) into an opaque
// cairo image surface.
#pragma once

#include <cairo.h>

#include <cstddef>

namespace toolkit::headless {

// Null for data that is not such a bitmap or is cut short.
cairo_surface_t* decodeBmp(const unsigned char* data, std::size_t size);

} // namespace toolkit::headless
