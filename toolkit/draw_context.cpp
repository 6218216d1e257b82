#include "toolkit/draw_context.h"

#include "toolkit/buttons.h"
#include "toolkit/frame.h"
#include "toolkit/platform/device.h"
#include "toolkit/platform/input.h"
#include "toolkit/platform/window.h"

namespace toolkit {

CDrawContext::CDrawContext(CFrame* frame, platform::Device* systemContext, platform::Window* window)
    : window_(window), frame_(frame),
      clipRect_(frame ? frame->getViewSize() : CRect(0, 0, 1000, 1000)) {
    if (!systemContext && window) {
        ownedDevice_ = window->openDevice();
        systemContext = ownedDevice_.get();
    }
    if (window) {
        screenOffset_ = window->screenRect().topLeft();
    }
    setFrameColor(kColorWhite);
    setLineStyle(kLineSolid);
    setLineWidth(1);
    setFillColor(kColorBlack);
    setFontColor(kColorWhite);
    setFont(kFontSystem, 0);
    setDrawMode(kCopyMode);
    attachSystemContext(systemContext);
}

CDrawContext::~CDrawContext() = default;

void CDrawContext::attachSystemContext(platform::Device* device) {
    device_ = device;
    if (!device_) {
        return;
    }
    applyPen();
    applyBrush();
    device_->setTextColor(fontColor_);
    applyFont();
}

void CDrawContext::applyPen() {
    if (device_) {
        device_->setPen(frameColor_, lineWidth_);
    }
}

void CDrawContext::applyBrush() {
    if (device_) {
        device_->setTextBackground(fillColor_);
        device_->setBrush(fillColor_);
    }
}

void CDrawContext::applyFont() {
    if (device_) {
        device_->setFont(fontChoice(fontId_, fontStyle_));
    }
}

void CDrawContext::moveTo(CPoint p) {
    if (device_) {
        device_->moveTo(p.offset(offset_.h, offset_.v));
    }
}

void CDrawContext::lineTo(CPoint p) {
    if (device_) {
        device_->lineTo(p.offset(offset_.h, offset_.v));
    }
}

void CDrawContext::drawRect(const CRect& r) {
    moveTo({r.left, r.top});
    lineTo({r.right - 1, r.top});
    lineTo({r.right - 1, r.bottom - 1});
    lineTo({r.left, r.bottom - 1});
    lineTo({r.left, r.top});
}

void CDrawContext::fillRect(const CRect& r) {
    if (device_) {
        device_->fillRect(CRect(r.left + 1, r.top + 1, r.right, r.bottom).offsetBy(offset_));
    }
}

void CDrawContext::setFrameColor(CColor color) {
    if (color == frameColor_) {
        return;
    }
    frameColor_ = color;
    applyPen();
}

void CDrawContext::setFillColor(CColor color) {
    if (color == fillColor_) {
        return;
    }
    fillColor_ = color;
    applyBrush();
}

void CDrawContext::setFontColor(CColor color) {
    fontColor_ = color;
    if (device_) {
        device_->setTextColor(color);
    }
}

void CDrawContext::setLineWidth(std::int32_t width) {
    if (width == lineWidth_) {
        return;
    }
    lineWidth_ = width;
    applyPen();
}

void CDrawContext::setLineStyle(std::int32_t style) {
    if (style == lineStyle_) {
        return;
    }
    // Only solid lines exist; any request ends in a solid pen.
    lineStyle_ = style;
    applyPen();
}

void CDrawContext::setDrawMode(std::int32_t mode) {
    // Copy is the only mode, and it is every device's own.
    drawMode_ = mode;
}

void CDrawContext::setFont(std::int32_t fontId, std::int32_t style) {
    fontId = normalizeFontId(fontId);
    if (fontId == fontId_ && fontSize(fontId) == fontSize_ && style == fontStyle_) {
        return;
    }
    fontId_ = fontId;
    fontSize_ = fontSize(fontId);
    fontStyle_ = style;
    applyFont();
}

void CDrawContext::drawString(const char* text, const CRect& r, bool opaque, std::int32_t align) {
    if (!text || !device_) {
        return;
    }
    CRect rect = r.offsetBy(offset_);
    if (align != kAlignCenter && align != kAlignRight) {
        align = kAlignLeft;
        rect.left += 1;
    }
    device_->drawText(text, rect, align, opaque);
}

void CDrawContext::setClipRect(const CRect& r) {
    const CRect device = r.offsetBy(offset_);
    if (device == clipRect_) {
        return;
    }
    clipRect_ = device;
    if (device_) {
        device_->setClip(device);
    }
}

CRect CDrawContext::getClipRect() const {
    return clipRect_.offsetBy({-offset_.h, -offset_.v});
}

std::int32_t CDrawContext::getMouseButtons() {
    const platform::PointerButtons state = platform::pointerButtons();
    const bool swapped = platform::buttonsSwapped();
    std::int32_t buttons = 0;
    if (state.left) {
        buttons |= swapped ? kButtonRight : kButtonLeft;
    }
    if (state.middle) {
        buttons |= kButtonMiddle;
    }
    if (state.right) {
        buttons |= swapped ? kButtonLeft : kButtonRight;
    }
    if (state.shift) {
        buttons |= kModShift;
    }
    if (state.control) {
        buttons |= kModControl;
    }
    if (state.alt) {
        buttons |= kModAlt;
    }
    return buttons;
}

CPoint CDrawContext::getMouseLocation() const {
    return platform::cursorPosition().offset(-screenOffset_.h, -screenOffset_.v);
}

} // namespace toolkit
