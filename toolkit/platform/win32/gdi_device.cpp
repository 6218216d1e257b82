#include "toolkit/platform/win32/gdi_device.h"

#include "toolkit/platform/win32/blits.h"
#include "toolkit/platform/win32/child_window.h"
#include "toolkit/platform/win32/gdi_image.h"

#include <cstring>

namespace toolkit::win32 {

namespace {

COLORREF rgb(CColor c) {
    return RGB(c.red, c.green, c.blue);
}

// Selects a bitmap into a temporary memory context for as long as it lives.
class BitmapSource {
public:
    BitmapSource(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)), previous_(SelectObject(dc_, bitmap)) {}
    ~BitmapSource() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    BitmapSource(const BitmapSource&) = delete;
    BitmapSource& operator=(const BitmapSource&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

HBITMAP bitmapOf(const platform::Image& image) {
    return static_cast<const GdiImage&>(image).bitmap();
}

// Selects created in place of owned and deletes owned; false, changing nothing, when the object
// could not be created.
template <typename Handle> bool replaceSelected(HDC dc, Handle created, Handle& owned) {
    if (!created) {
        return false;
    }
    SelectObject(dc, created);
    if (owned) {
        DeleteObject(owned);
    }
    owned = created;
    return true;
}

} // namespace

GdiDevice::GdiDevice(HDC dc)
    : dc_(dc), previousBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      previousPen_(GetCurrentObject(dc, OBJ_PEN)), previousFont_(GetCurrentObject(dc, OBJ_FONT)) {
    SetBkMode(dc_, TRANSPARENT);
}

std::unique_ptr<GdiDevice> GdiDevice::borrowed(HDC dc) {
    return std::unique_ptr<GdiDevice>(new GdiDevice(dc));
}

std::unique_ptr<GdiDevice> GdiDevice::ofWindow(HWND window) {
    std::unique_ptr<GdiDevice> device(new GdiDevice(GetDC(window)));
    device->releaseTo_ = window;
    return device;
}

std::unique_ptr<GdiDevice> GdiDevice::inMemory(HWND compatibleWith, std::int32_t width,
                                               std::int32_t height) {
    HDC screen = GetDC(compatibleWith);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(compatibleWith, screen);
    std::unique_ptr<GdiDevice> device(new GdiDevice(memory));
    device->surface_ = surface;
    device->previousSurface_ = SelectObject(memory, surface);
    return device;
}

GdiDevice::~GdiDevice() {
    SelectObject(dc_, previousBrush_);
    SelectObject(dc_, previousPen_);
    SelectObject(dc_, previousFont_);
    for (HGDIOBJ own :
         {static_cast<HGDIOBJ>(brush_), static_cast<HGDIOBJ>(pen_), static_cast<HGDIOBJ>(font_)}) {
        if (own) {
            DeleteObject(own);
        }
    }
    if (surface_) {
        SelectObject(dc_, previousSurface_);
        DeleteDC(dc_);
        DeleteObject(surface_);
    } else if (releaseTo_) {
        ReleaseDC(releaseTo_, dc_);
    }
}

void GdiDevice::setPen(CColor color, std::int32_t width) {
    LOGPEN description{PS_SOLID, POINT{width, 0}, rgb(color)};
    replaceSelected(dc_, CreatePenIndirect(&description), pen_);
}

bool GdiDevice::setBrush(CColor color) {
    LOGBRUSH description{BS_SOLID, rgb(color), 0};
    return replaceSelected(dc_, CreateBrushIndirect(&description), brush_);
}

void GdiDevice::setFont(const FontChoice& font) {
    LOGFONTA description{};
    description.lfHeight = -font.size;
    description.lfWeight = font.weight;
    description.lfItalic = font.italic ? TRUE : FALSE;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfCharSet = ANSI_CHARSET;
    description.lfOutPrecision = OUT_STRING_PRECIS;
    description.lfClipPrecision = CLIP_STROKE_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = font.pitchAndFamily;
    std::strncpy(description.lfFaceName, font.face, LF_FACESIZE - 1);
    replaceSelected(dc_, CreateFontIndirectA(&description), font_);
}

void GdiDevice::setTextColor(CColor color) {
    SetTextColor(dc_, rgb(color));
}

void GdiDevice::setTextBackground(CColor color) {
    SetBkColor(dc_, rgb(color));
}

void GdiDevice::setClip(const CRect& rect) {
    HRGN region = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
    SelectClipRgn(dc_, region);
    DeleteObject(region);
}

void GdiDevice::moveTo(CPoint p) {
    MoveToEx(dc_, p.h, p.v, nullptr);
}

void GdiDevice::lineTo(CPoint p) {
    LineTo(dc_, p.h, p.v);
}

void GdiDevice::fillRect(const CRect& rect) {
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    HGDIOBJ previousPen = SelectObject(dc_, GetStockObject(NULL_PEN));
    FillRect(dc_, &area, static_cast<HBRUSH>(GetCurrentObject(dc_, OBJ_BRUSH)));
    SelectObject(dc_, previousPen);
}

void GdiDevice::drawText(const char* text, const CRect& rect, std::int32_t align, bool opaque) {
    SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const UINT horizontal = align == kAlignCenter  ? DT_CENTER
                            : align == kAlignRight ? DT_RIGHT
                                                   : DT_LEFT;
    DrawTextA(dc_, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | horizontal);
    SetBkMode(dc_, TRANSPARENT);
}

void GdiDevice::copyFrom(platform::Device& source, const CRect& dest, CPoint src) {
    BitBlt(dc_, dest.left, dest.top, dest.width(), dest.height(),
           static_cast<GdiDevice&>(source).dc_, src.h, src.v, SRCCOPY);
}

void GdiDevice::drawImage(const platform::Image& image, const CRect& dest, CPoint src) {
    const BitmapSource source(dc_, bitmapOf(image));
    BitBlt(dc_, dest.left, dest.top, dest.width(), dest.height(), source.dc(), src.h, src.v,
           SRCCOPY);
}

void GdiDevice::drawImageKeyed(const platform::Image& image, const CRect& dest, CPoint src,
                               CColor key) {
    const BitmapSource source(dc_, bitmapOf(image));
    if (ColorKeyBlit blit = colorKeyBlit()) {
        blit(dc_, dest.left, dest.top, dest.width(), dest.height(), source.dc(), src.h, src.v,
             dest.width(), dest.height(), rgb(key));
    } else {
        maskedBlit(source.dc(), dest, src, key);
    }
}

// Without the colour-key blit: a one-bit mask of the key-coloured pixels, and the source
// XORed in, masked and XORed again, which leaves the destination wherever the mask is set.
void GdiDevice::maskedBlit(HDC source, const CRect& dest, CPoint src, CColor key) {
    const int w = dest.width();
    const int h = dest.height();
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    {
        const BitmapSource maskContext(dc_, mask);
        const COLORREF sourceBackground = SetBkColor(source, rgb(key));
        BitBlt(maskContext.dc(), 0, 0, w, h, source, src.h, src.v, SRCCOPY);
        SetBkColor(source, sourceBackground);

        const COLORREF background = SetBkColor(dc_, RGB(255, 255, 255));
        const COLORREF text = SetTextColor(dc_, RGB(0, 0, 0));
        BitBlt(dc_, dest.left, dest.top, w, h, source, src.h, src.v, SRCINVERT);
        BitBlt(dc_, dest.left, dest.top, w, h, maskContext.dc(), 0, 0, SRCAND);
        BitBlt(dc_, dest.left, dest.top, w, h, source, src.h, src.v, SRCINVERT);
        SetBkColor(dc_, background);
        SetTextColor(dc_, text);
    }
    DeleteObject(mask);
}

void GdiDevice::drawImageBlended(const platform::Image& image, const CRect& dest, CPoint src,
                                 std::uint8_t alpha) {
    AlphaBlit blit = alphaBlit();
    if (!blit) {
        return;
    }
    const BitmapSource source(dc_, bitmapOf(image));
    blit(dc_, dest.left, dest.top, dest.width(), dest.height(), source.dc(), src.h, src.v,
         dest.width(), dest.height(), BLENDFUNCTION{AC_SRC_OVER, 0, alpha, 0});
}

CColor GdiDevice::pixel(CPoint p) {
    const COLORREF c = GetPixel(dc_, p.h, p.v);
    return CColor{GetRValue(c), GetGValue(c), GetBValue(c), 255};
}

} // namespace toolkit::win32

namespace toolkit::platform {

std::unique_ptr<Device> createMemoryDevice(Window* compatibleWith, std::int32_t width,
                                           std::int32_t height) {
    HWND window =
        compatibleWith ? static_cast<win32::Win32ChildWindow*>(compatibleWith)->handle() : nullptr;
    return win32::GdiDevice::inMemory(window, width, height);
}

} // namespace toolkit::platform
