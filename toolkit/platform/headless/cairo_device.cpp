#include "toolkit/platform/headless/cairo_device.h"

#include "toolkit/platform/headless/cairo_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace toolkit::headless {

namespace {

void addRect(cairo_t* cr, const CRect& r) {
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
}

CColor readPixel(cairo_surface_t* surface, CPoint p) {
    cairo_surface_flush(surface);
    if (p.h < 0 || p.v < 0 || p.h >= cairo_image_surface_get_width(surface) ||
        p.v >= cairo_image_surface_get_height(surface)) {
        return kColorBlack;
    }
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::uint32_t value = 0;
    std::memcpy(&value, data + cairo_image_surface_get_stride(surface) * p.v + 4 * p.h, 4);
    return CColor{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                  static_cast<std::uint8_t>(value), 255};
}

} // namespace

CairoDevice::CairoDevice(cairo_surface_t* surface, std::optional<CRect> systemClip)
    : surface_(cairo_surface_reference(surface)), cr_(cairo_create(surface)),
      systemClip_(systemClip) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    applyClip();
}

CairoDevice::~CairoDevice() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void CairoDevice::setSource(CColor color) {
    cairo_set_source_rgb(cr_, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

void CairoDevice::applyClip() {
    cairo_reset_clip(cr_);
    if (systemClip_) {
        addRect(cr_, *systemClip_);
        cairo_clip(cr_);
    }
    if (clip_) {
        addRect(cr_, *clip_);
        cairo_clip(cr_);
    }
}

void CairoDevice::setPen(CColor color, std::int32_t width) {
    pen_ = color;
    penWidth_ = std::max(1, width);
}

bool CairoDevice::setBrush(CColor color) {
    brush_ = color;
    return true;
}

void CairoDevice::setFont(const FontChoice& font) {
    font_ = font;
}

void CairoDevice::setTextColor(CColor color) {
    textColor_ = color;
}

void CairoDevice::setTextBackground(CColor color) {
    textBackground_ = color;
}

void CairoDevice::setClip(const CRect& rect) {
    clip_ = rect;
    applyClip();
}

void CairoDevice::moveTo(CPoint p) {
    position_ = p;
}

void CairoDevice::lineTo(CPoint p) {
    // Bresenham from the pen position up to, not including, the end point.
    const std::int32_t dx = std::abs(p.h - position_.h);
    const std::int32_t dy = -std::abs(p.v - position_.v);
    const std::int32_t sx = position_.h < p.h ? 1 : -1;
    const std::int32_t sy = position_.v < p.v ? 1 : -1;
    std::int32_t error = dx + dy;
    CPoint at = position_;
    const std::int32_t half = (penWidth_ - 1) / 2;
    while (at != p) {
        cairo_rectangle(cr_, at.h - half, at.v - half, penWidth_, penWidth_);
        const std::int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.h += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.v += sy;
        }
    }
    setSource(pen_);
    cairo_fill(cr_);
    position_ = p;
}

void CairoDevice::fillRect(const CRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    addRect(cr_, rect);
    setSource(brush_);
    cairo_fill(cr_);
}

void CairoDevice::drawText(const char* text, const CRect& rect, std::int32_t align, bool opaque) {
    cairo_save(cr_);
    addRect(cr_, rect);
    cairo_clip(cr_);
    cairo_select_font_face(cr_, font_.face,
                           font_.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           font_.weight >= 700 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, font_.size);
    cairo_font_extents_t font{};
    cairo_font_extents(cr_, &font);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr_, text, &extents);
    const double advance = extents.x_advance;
    const double lineHeight = font.ascent + font.descent;
    double x = rect.left;
    if (align == kAlignCenter) {
        x = rect.left + (rect.width() - advance) / 2.0;
    } else if (align == kAlignRight) {
        x = rect.right - advance;
    }
    x = static_cast<double>(static_cast<std::int32_t>(x));
    const double top = static_cast<std::int32_t>(rect.top + (rect.height() - lineHeight) / 2.0);
    const double baseline = static_cast<std::int32_t>(top + font.ascent + 0.5);
    if (opaque) {
        setSource(textBackground_);
        cairo_rectangle(cr_, x, top, static_cast<std::int32_t>(advance + 0.5),
                        static_cast<std::int32_t>(lineHeight + 0.5));
        cairo_fill(cr_);
    }
    setSource(textColor_);
    cairo_move_to(cr_, x, baseline);
    cairo_show_text(cr_, text);
    if (font_.underline) {
        cairo_rectangle(cr_, x, baseline + 1, static_cast<std::int32_t>(advance + 0.5), 1);
        cairo_fill(cr_);
    }
    cairo_restore(cr_);
}

void CairoDevice::paintSurface(cairo_surface_t* source, const CRect& dest, CPoint src,
                               double alpha) {
    if (dest.width() <= 0 || dest.height() <= 0) {
        return;
    }
    cairo_save(cr_);
    cairo_set_source_surface(cr_, source, dest.left - src.h, dest.top - src.v);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    addRect(cr_, dest);
    cairo_clip(cr_);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void CairoDevice::copyFrom(platform::Device& source, const CRect& dest, CPoint src) {
    paintSurface(static_cast<CairoDevice&>(source).surface_, dest, src, 1.0);
}

void CairoDevice::drawImage(const platform::Image& image, const CRect& dest, CPoint src) {
    paintSurface(static_cast<const CairoImage&>(image).surface(), dest, src, 1.0);
}

void CairoDevice::drawImageKeyed(const platform::Image& image, const CRect& dest, CPoint src,
                                 CColor key) {
    if (dest.width() <= 0 || dest.height() <= 0) {
        return;
    }
    cairo_surface_t* pixels = static_cast<const CairoImage&>(image).surface();
    cairo_surface_t* masked =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, dest.width(), dest.height());
    cairo_surface_flush(masked);
    unsigned char* data = cairo_image_surface_get_data(masked);
    const int stride = cairo_image_surface_get_stride(masked);
    for (std::int32_t y = 0; y < dest.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + stride * y);
        for (std::int32_t x = 0; x < dest.width(); ++x) {
            const CPoint at(src.h + x, src.v + y);
            const bool inside =
                at.h >= 0 && at.v >= 0 && at.h < image.width() && at.v < image.height();
            const CColor c = inside ? readPixel(pixels, at) : key;
            row[x] = c.sameRgb(key) ? 0u
                                    : 0xFF000000u | (std::uint32_t{c.red} << 16) |
                                          (std::uint32_t{c.green} << 8) | c.blue;
        }
    }
    cairo_surface_mark_dirty(masked);
    paintSurface(masked, dest, CPoint(), 1.0);
    cairo_surface_destroy(masked);
}

void CairoDevice::drawImageBlended(const platform::Image& image, const CRect& dest, CPoint src,
                                   std::uint8_t alpha) {
    paintSurface(static_cast<const CairoImage&>(image).surface(), dest, src, alpha / 255.0);
}

CColor CairoDevice::pixel(CPoint p) {
    return readPixel(surface_, p);
}

} // namespace toolkit::headless

namespace toolkit::platform {

std::unique_ptr<Device> createMemoryDevice(Window*, std::int32_t width, std::int32_t height) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    auto device = std::make_unique<headless::CairoDevice>(surface);
    cairo_surface_destroy(surface);
    return device;
}

} // namespace toolkit::platform
