// A bitmap resource loaded as a GDI bitmap.
#pragma once

#include "toolkit/platform/device.h"
#include "toolkit/platform/win32/win32.h"

namespace toolkit::win32 {

class GdiImage : public platform::Image {
public:
    GdiImage(HBITMAP bitmap, std::int32_t width, std::int32_t height)
        : bitmap_(bitmap), width_(width), height_(height) {}
    ~GdiImage() override { DeleteObject(bitmap_); }
    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;

    std::int32_t width() const override { return width_; }
    std::int32_t height() const override { return height_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    HBITMAP bitmap_;
    std::int32_t width_;
    std::int32_t height_;
};

} // namespace toolkit::win32
