// A drawing device over a cairo image surface, drawn without antialiasing so that filled
// rectangles and lines land on exactly the pixels the platform conventions name: fills cover
// [left, right) x [top, bottom), lines leave out their end pixel.
#pragma once

#include "toolkit/platform/device.h"

#include <cairo.h>

#include <optional>

namespace toolkit::headless {

class CairoDevice : public platform::Device {
public:
    // Shares the surface. Drawing never leaves systemClip when one is given (a paint's update
    // area), whatever clip is set later.
    explicit CairoDevice(cairo_surface_t* surface, std::optional<CRect> systemClip = {});
    ~CairoDevice() override;
    CairoDevice(const CairoDevice&) = delete;
    CairoDevice& operator=(const CairoDevice&) = delete;

    void setPen(CColor color, std::int32_t width) override;
    bool setBrush(CColor color) override;
    void setFont(const FontChoice& font) override;
    void setTextColor(CColor color) override;
    void setTextBackground(CColor color) override;
    void setClip(const CRect& rect) override;
    void moveTo(CPoint p) override;
    void lineTo(CPoint p) override;
    void fillRect(const CRect& rect) override;
    void drawText(const char* text, const CRect& rect, std::int32_t align, bool opaque) override;
    void copyFrom(platform::Device& source, const CRect& dest, CPoint src) override;
    void drawImage(const platform::Image& image, const CRect& dest, CPoint src) override;
    void drawImageKeyed(const platform::Image& image, const CRect& dest, CPoint src,
                        CColor key) override;
    void drawImageBlended(const platform::Image& image, const CRect& dest, CPoint src,
                          std::uint8_t alpha) override;
    CColor pixel(CPoint p) override;

    cairo_surface_t* surface() const { return surface_; }

private:
    void setSource(CColor color);
    void applyClip();
    void paintSurface(cairo_surface_t* source, const CRect& dest, CPoint src, double alpha);

    cairo_surface_t* surface_;
    cairo_t* cr_;
    std::optional<CRect> systemClip_;
    std::optional<CRect> clip_;
    CColor pen_ = kColorBlack;
    std::int32_t penWidth_ = 1;
    CColor brush_ = kColorWhite;
    CColor textColor_ = kColorBlack;
    CColor textBackground_ = kColorWhite;
    FontChoice font_;
    CPoint position_;
};

} // namespace toolkit::headless
