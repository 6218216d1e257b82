#include "toolkit/view.h"

#include "toolkit/bitmap.h"
#include "toolkit/context_shift.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"

#include <cstring>

namespace toolkit {

bool nameIsOneOf(const char* className, std::initializer_list<const char*> names) {
    if (!className) {
        return false;
    }
    for (const char* name : names) {
        if (std::strcmp(className, name) == 0) {
            return true;
        }
    }
    return false;
}

CView::CView(const CRect& size) : size_(size), mouseArea_(size) {}

CView::~CView() {
    if (background_) {
        background_->forget();
    }
}

void CView::draw(CDrawContext* context) {
    if (background_) {
        if (transparency_) {
            background_->drawTransparent(context, size_);
        } else {
            background_->draw(context, size_);
        }
    }
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect&) {
    draw(context);
}

bool CView::overlaps(const CRect& rect) const {
    return size_.touches(rect);
}

void CView::onMouseDown(CDrawContext*, const CPoint&, std::int32_t) {}

void CView::setBackground(CBitmap* bitmap) {
    // Taking the new reference first keeps a bitmap alive that is set a second time.
    if (bitmap) {
        bitmap->remember();
    }
    if (background_) {
        background_->forget();
    }
    background_ = bitmap;
    setDirty(true);
}

CBitmap* CView::getBackground() const {
    return background_;
}

std::int32_t CView::onKeyDown(const CKeyCode&) {
    return -1;
}

std::int32_t CView::onKeyUp(const CKeyCode&) {
    return -1;
}

bool CView::onWheelAxis(CDrawContext* context, const CPoint& where, std::int32_t, float distance) {
    return onWheel(context, where, distance);
}

bool CView::onWheel(CDrawContext*, const CPoint&, float) {
    return false;
}

bool CView::onDrop(CDrawContext*, CDragContainer*, const CPoint&) {
    return false;
}

void CView::onDragEnter(CDrawContext*, CDragContainer*, const CPoint&) {}

void CView::onDragLeave(CDrawContext*, CDragContainer*, const CPoint&) {}

void CView::onDragMove(CDrawContext*, CDragContainer*, const CPoint&) {}

void CView::loseFocus(CDrawContext*) {}

void CView::takeFocus(CDrawContext*) {}

bool CView::isDirty() const {
    return dirty_;
}

void CView::setDirty(bool dirty) {
    dirty_ = dirty;
}

void CView::setMouseEnabled(bool enabled) {
    mouseEnabled_ = enabled;
}

bool CView::isMouseEnabled() const {
    return mouseEnabled_;
}

void CView::setMouseArea(const CRect& area) {
    mouseArea_ = area;
}

CRect CView::getMouseArea() const {
    return mouseArea_;
}

bool CView::hitTest(const CPoint& where, std::int32_t) const {
    return mouseArea_.pointInside(where);
}

void CView::setTransparency(bool transparent) {
    transparency_ = transparent;
}

bool CView::getTransparency() const {
    return transparency_;
}

void CView::setViewSize(const CRect& size) {
    size_ = size;
    setDirty(true);
}

CRect CView::getViewSize() const {
    return size_;
}

bool CView::onRemoved(CView*) {
    return true;
}

bool CView::onAttached(CView*) {
    return true;
}

CPoint CView::getMouseLocation(CDrawContext* context) const {
    if (parent_ && parent_->notify(const_cast<CView*>(this), kMsgCheckIfViewContainer) == 1) {
        const ContextShift entered(context, parent_->getViewSize().topLeft());
        return parent_->getMouseLocation(context);
    }
    return context->getMouseLocation();
}

CPoint CView::frameToLocal(CPoint point) const {
    return parent_ ? parent_->frameToLocal(point) : point;
}

CPoint CView::localToFrame(CPoint point) const {
    return parent_ ? parent_->localToFrame(point) : point;
}

FrameEditor* CView::getEditor() const {
    return frame_ ? frame_->getEditor() : nullptr;
}

std::int32_t CView::notify(CView*, const char*) {
    return 0;
}

void CView::redrawRect(CDrawContext* context, const CRect& rect) {
    if (parent_) {
        parent_->redrawRect(context, rect);
    } else if (frame_) {
        frame_->drawRect(context, rect);
    }
}

bool CView::wantsFocus() const {
    return wantsFocus_;
}

void CView::setWantsFocus(bool wants) {
    wantsFocus_ = wants;
}

bool CView::isTypeOf(const char* className) const {
    return nameIsOneOf(className, {"CView"});
}

void CView::update(CDrawContext* context) {
    if (isDirty()) {
        if (context) {
            draw(context);
        } else if (frame_) {
            frame_->drawView(this);
        }
        setDirty(false);
    }
}

void CView::setParents(CFrame* frame, CView* parent) {
    frame_ = frame;
    parent_ = parent;
}

} // namespace toolkit
