// A drawing device over a GDI device context. It selects the pens, brushes and fonts it
// creates and, when destroyed, puts back what was selected before, deletes its own objects and
// gives the device context back the way it was obtained.
#pragma once

#include "toolkit/platform/device.h"
#include "toolkit/platform/win32/win32.h"

namespace toolkit::win32 {

class GdiDevice : public platform::Device {
public:
    // A device context someone else releases (a paint's).
    static std::unique_ptr<GdiDevice> borrowed(HDC dc);
    // A window's device context, released to the window.
    static std::unique_ptr<GdiDevice> ofWindow(HWND window);
    // A memory device context with its own surface of width x height.
    static std::unique_ptr<GdiDevice> inMemory(HWND compatibleWith, std::int32_t width,
                                               std::int32_t height);
    ~GdiDevice() override;
    GdiDevice(const GdiDevice&) = delete;
    GdiDevice& operator=(const GdiDevice&) = delete;

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

    HDC dc() const { return dc_; }

private:
    explicit GdiDevice(HDC dc);
    void maskedBlit(HDC source, const CRect& dest, CPoint src, CColor key);

    HDC dc_;
    HGDIOBJ previousBrush_;
    HGDIOBJ previousPen_;
    HGDIOBJ previousFont_;
    HBRUSH brush_ = nullptr;
    HPEN pen_ = nullptr;
    HFONT font_ = nullptr;
    HWND releaseTo_ = nullptr;
    HBITMAP surface_ = nullptr;
    HGDIOBJ previousSurface_ = nullptr;
};

} // namespace toolkit::win32
