// A loaded bitmap held as an opaque cairo image surface.
#pragma once

#include "toolkit/platform/device.h"

#include <cairo.h>

namespace toolkit::headless {

class CairoImage : public platform::Image {
public:
    // Takes over the surface's reference.
    explicit CairoImage(cairo_surface_t* surface) : surface_(surface) {}
    ~CairoImage() override { cairo_surface_destroy(surface_); }
    CairoImage(const CairoImage&) = delete;
    CairoImage& operator=(const CairoImage&) = delete;

    std::int32_t width() const override { return cairo_image_surface_get_width(surface_); }
    std::int32_t height() const override { return cairo_image_surface_get_height(surface_); }
    cairo_surface_t* surface() const { return surface_; }

private:
    cairo_surface_t* surface_;
};

} // namespace toolkit::headless
