// A short-lived drawing context: one paint, one press, one redraw. It caches the pen, brush
// and font attributes so that callers may set them before every primitive at no cost, and
// moves local view coordinates into device coordinates by its offset.
#pragma once

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/point.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>
#include <memory>

namespace toolkit {

namespace platform {
class Device;
class Window;
} // namespace platform

class CFrame;

enum CLineStyle : std::int32_t { kLineSolid = 0, kLineOnOffDash };
enum CDrawMode : std::int32_t { kCopyMode = 0 };

class CDrawContext : public CReferenceCounter {
public:
    // Without a device but with a window, the context opens the window's device itself.
    CDrawContext(CFrame* frame, platform::Device* systemContext, platform::Window* window);
    ~CDrawContext() override;

    void moveTo(CPoint p);
    void lineTo(CPoint p);
    void drawRect(const CRect& r);
    void fillRect(const CRect& r);

    void setFrameColor(CColor color);
    CColor getFrameColor() const { return frameColor_; }
    void setFillColor(CColor color);
    CColor getFillColor() const { return fillColor_; }
    void setFontColor(CColor color);
    CColor getFontColor() const { return fontColor_; }
    void setLineWidth(std::int32_t width);
    std::int32_t getLineWidth() const { return lineWidth_; }
    void setLineStyle(std::int32_t style);
    std::int32_t getLineStyle() const { return lineStyle_; }
    void setDrawMode(std::int32_t mode);
    std::int32_t getDrawMode() const { return drawMode_; }

    void setFont(std::int32_t fontId, std::int32_t style = 0);
    std::int32_t getFont() const { return fontId_; }
    std::int32_t getFontSize() const { return fontSize_; }
    std::int32_t getFontStyle() const { return fontStyle_; }

    void drawString(const char* text, const CRect& r, bool opaque = false,
                    std::int32_t align = kAlignCenter);

    void setClipRect(const CRect& r);
    CRect getClipRect() const;

    // The buttons and modifiers held at this moment.
    static std::int32_t getMouseButtons();
    // The cursor position in the coordinate space the context is drawing in.
    CPoint getMouseLocation() const;

    CPoint getOffset() const { return offset_; }
    void setOffset(CPoint offset) { offset_ = offset; }
    CPoint getScreenOffset() const { return screenOffset_; }
    void setScreenOffset(CPoint offset) { screenOffset_ = offset; }

    platform::Device* getSystemContext() const { return device_; }
    platform::Window* getWindow() const { return window_; }
    CFrame* getFrame() const { return frame_; }

protected:
    // Hands the context a device and brings the device up to the context's attributes.
    void attachSystemContext(platform::Device* device);
    void setClipStored(const CRect& r) { clipRect_ = r; }

private:
    void applyPen();
    void applyBrush();
    void applyFont();

    CPoint screenOffset_;
    CPoint offset_;
    platform::Device* device_ = nullptr;
    std::unique_ptr<platform::Device> ownedDevice_;
    platform::Window* window_ = nullptr;
    CFrame* frame_ = nullptr;
    std::int32_t fontSize_ = -1;
    std::int32_t fontStyle_ = 0;
    std::int32_t fontId_ = kNumFonts;
    CColor fontColor_{0, 0, 0, 0};
    std::int32_t lineWidth_ = 0;
    CColor frameColor_{0, 0, 0, 0};
    CColor fillColor_{0, 0, 0, 0};
    // Not solid and no mode yet, so that the first requests take effect.
    std::int32_t lineStyle_ = kLineOnOffDash;
    std::int32_t drawMode_ = 3;
    CRect clipRect_;
};

} // namespace toolkit
