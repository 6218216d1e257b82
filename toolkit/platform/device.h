// The toolkit's view of a native drawing target (a device context on Windows, an image surface
// in the headless back end) and of a loaded bitmap. Portable code decides what to draw and when
// attributes change; a back end only carries out single operations. Coordinates are device
// pixels.
#pragma once

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/rect.h"

#include <cstdint>
#include <memory>

namespace toolkit::platform {

class Window;

class Image {
public:
    virtual ~Image() = default;
    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;
};

// Loads a bitmap resource of the toolkit's module by id; null when there is none.
std::unique_ptr<Image> loadImage(std::int32_t resourceId);

class Device {
public:
    // Restores the objects that were selected before and deletes those the device created.
    virtual ~Device() = default;

    // Each call replaces the native object and deletes the one it replaced.
    virtual void setPen(CColor color, std::int32_t width) = 0;
    // False when the brush could not be created; the previous one then stays.
    virtual bool setBrush(CColor color) = 0;
    virtual void setFont(const FontChoice& font) = 0;
    virtual void setTextColor(CColor color) = 0;
    virtual void setTextBackground(CColor color) = 0;
    virtual void setClip(const CRect& rect) = 0;

    virtual void moveTo(CPoint p) = 0;
    // Draws from the pen position to p; the pixel at p itself is not drawn.
    virtual void lineTo(CPoint p) = 0;
    // Fills [left, right) x [top, bottom) with the brush.
    virtual void fillRect(const CRect& rect) = 0;
    // One line of text, vertically centred in rect and clipped to it, aligned by kAlign*.
    virtual void drawText(const char* text, const CRect& rect, std::int32_t align, bool opaque) = 0;

    virtual void copyFrom(Device& source, const CRect& dest, CPoint src) = 0;
    virtual void drawImage(const Image& image, const CRect& dest, CPoint src) = 0;
    // Leaves the destination untouched where the source pixel's red, green, blue equal key's.
    virtual void drawImageKeyed(const Image& image, const CRect& dest, CPoint src, CColor key) = 0;
    // Source over destination with one alpha for the whole image.
    virtual void drawImageBlended(const Image& image, const CRect& dest, CPoint src,
                                  std::uint8_t alpha) = 0;

    virtual CColor pixel(CPoint p) = 0;
};

// A memory surface of width x height that starts black, compatible with the window's screen
// (or the whole screen's when there is no window).
std::unique_ptr<Device> createMemoryDevice(Window* compatibleWith, std::int32_t width,
                                           std::int32_t height);

} // namespace toolkit::platform
