#include "toolkit/frame.h"

#include "toolkit/draw_context.h"
#include "toolkit/frame_editor.h"
#include "toolkit/platform/blit_library.h"
#include "toolkit/platform/input.h"

namespace toolkit {

CFrame::CFrame(const CRect& size, void* parentWindow, FrameEditor* editor)
    : CViewContainer(size), editor_(editor), parentWindow_(parentWindow) {
    setParents(this, nullptr);
    blitLibrary_ = platform::loadBlitLibrary();
    if (parentWindow) {
        window_ = platform::createChildWindow(parentWindow, size, *this);
    }
}

CFrame::~CFrame() {
    if (modalView_) {
        removeView(modalView_, false);
        modalView_ = nullptr;
    }
    if (!cursorSaved_) {
        savedCursor_ = platform::currentCursor();
    }
    platform::showCursor(savedCursor_);
    blitLibrary_.reset();
    window_.reset();
    // Children go while the frame is still whole: removing the focus view talks to it.
    removeAll(true);
}

bool CFrame::openStandalone() {
    return false;
}

bool CFrame::closeStandalone() {
    return false;
}

bool CFrame::isWindowOpen() const {
    return open_;
}

void CFrame::idle() {
    if (!open_ || firstDrawPending_ || !isDirty()) {
        return;
    }
    CDrawContext* context = createDrawContext();
    update(context);
    context->forget();
}

void CFrame::runIdle() {
    if (editor_) {
        editor_->doIdleStuff();
    }
}

std::uint32_t CFrame::getTicks() const {
    return editor_ ? platform::tickCount() : 0;
}

std::int32_t CFrame::getKnobMode() const {
    return editor_ ? editor_->getKnobMode() : 0;
}

bool CFrame::setPosition(std::int32_t, std::int32_t) {
    return false;
}

bool CFrame::getPosition(std::int32_t& x, std::int32_t& y) const {
    if (!open_ || !window_) {
        return false;
    }
    const CPoint position = window_->outerPosition();
    x = position.h;
    y = position.v;
    return true;
}

bool CFrame::setSize(std::int32_t width, std::int32_t height) {
    if (!open_ || (width == size_.width() && height == size_.height())) {
        return false;
    }
    size_.right = size_.left + width;
    size_.bottom = size_.top + height;
    if (editor_ && editor_->canHostSizeWindow() && editor_->sizeWindow(width, height)) {
        if (window_) {
            window_->resize(width, height);
        }
    } else if (window_ && !window_->resizeWithParents(width, height)) {
        return true;
    }
    CViewContainer::setViewSize(CRect(0, 0, width, height));
    return true;
}

bool CFrame::getParentRect(CRect& rect) const {
    if (!open_ || !window_) {
        return false;
    }
    rect = window_->parentRect();
    return true;
}

bool CFrame::setModalView(CView* view) {
    if (view && modalView_) {
        return false;
    }
    if (modalView_) {
        removeView(modalView_, false);
    }
    modalView_ = view;
    if (view) {
        addView(view);
    }
    return true;
}

CView* CFrame::getModalView() const {
    return modalView_;
}

void CFrame::beginEdit(std::int32_t tag) {
    if (editor_) {
        editor_->beginEdit(tag);
    }
}

void CFrame::endEdit(std::int32_t tag) {
    if (editor_) {
        editor_->endEdit(tag);
    }
}

CPoint CFrame::getCurrentLocation() const {
    return screenToFrame(platform::cursorPosition());
}

CPoint CFrame::screenToFrame(CPoint screen) const {
    const CPoint origin = window_ ? window_->screenRect().topLeft() : CPoint();
    return screen.offset(-origin.h, -origin.v);
}

void CFrame::setCursor(std::int32_t kind) {
    if (!cursorSaved_) {
        savedCursor_ = platform::currentCursor();
        cursorSaved_ = true;
    }
    const platform::CursorHandle shape = platform::cursorForKind(kind);
    platform::showCursor(shape ? shape : savedCursor_);
}

void CFrame::setFocusView(CView* view) {
    CView* old = focusView_;
    if (view == old) {
        return;
    }
    focusView_ = view;
    if (view && view->wantsFocus()) {
        view->setDirty(true);
    }
    if (old) {
        old->loseFocus();
        if (old->wantsFocus()) {
            old->setDirty(true);
        }
    }
}

CView* CFrame::getFocusView() const {
    return focusView_;
}

void CFrame::setOpenFlag(bool open) {
    open_ = open;
}

bool CFrame::isOpen() const {
    return open_;
}

void CFrame::invalidate(const CRect& rect) {
    for (CView* child : children()) {
        if (child->getViewSize().touches(rect)) {
            child->setDirty(true);
        }
    }
}

bool CFrame::setUpdatesDisabled(bool disabled) {
    const bool previous = updatesDisabled_;
    updatesDisabled_ = disabled;
    return previous;
}

bool CFrame::areUpdatesDisabled() const {
    return updatesDisabled_;
}

void CFrame::drawView(CView* view) {
    CDrawContext* context = createDrawContext();
    if (isChild(view)) {
        view->draw(context);
    } else {
        draw(context);
    }
    context->forget();
}

void CFrame::draw(CDrawContext* context) {
    firstDrawPending_ = false;
    CViewContainer::draw(context);
}

void CFrame::drawRect(CDrawContext* context, const CRect& update) {
    firstDrawPending_ = false;
    CDrawContext* own = context ? nullptr : createDrawContext();
    if (update.width() > 0 && update.height() > 0) {
        CViewContainer::drawRect(context ? context : own, update);
    }
    if (own) {
        own->forget();
    }
}

void CFrame::onMouseDown(CDrawContext* context, const CPoint& where, std::int32_t buttons) {
    if (focusView_) {
        setFocusView(nullptr);
    }
    if (buttons == kButtonsUnknown && context) {
        buttons = CDrawContext::getMouseButtons();
    }
    if (modalView_) {
        if (modalView_->hitTest(where, buttons)) {
            modalView_->onMouseDown(context, where, buttons);
        }
        return;
    }
    CViewContainer::onMouseDown(context, where, buttons);
}

std::int32_t CFrame::onKeyDown(const CKeyCode& key) {
    std::int32_t result = focusView_ ? focusView_->onKeyDown(key) : -1;
    if (result == -1 && modalView_) {
        result = modalView_->onKeyDown(key);
    }
    if (result == -1 && key.virt == kVirtualKeyTab) {
        result = advanceFocus(focusView_, (key.modifier & kKeyModifierShift) != 0) ? 1 : -1;
    }
    return result;
}

std::int32_t CFrame::onKeyUp(const CKeyCode& key) {
    std::int32_t result = focusView_ ? focusView_->onKeyUp(key) : -1;
    if (result == -1 && modalView_) {
        result = modalView_->onKeyUp(key);
    }
    return result;
}

bool CFrame::onWheelAxis(CDrawContext* context, const CPoint& where, std::int32_t axis,
                         float distance) {
    CView* target = modalView_ ? modalView_ : getViewAt(where, false);
    if (!target) {
        return false;
    }
    CDrawContext* own = context ? nullptr : createDrawContext();
    const bool result = target->onWheelAxis(context ? context : own, where, axis, distance);
    if (own) {
        own->forget();
    }
    return result;
}

void CFrame::setViewSize(const CRect& size) {
    setSize(size.width(), size.height());
}

void CFrame::update(CDrawContext* context) {
    if (!open_ || updatesDisabled_) {
        return;
    }
    if (isDirtyFlag()) {
        draw(context);
        setDirty(false);
        return;
    }
    for (CView* child : children()) {
        child->update(context);
    }
}

CView* CFrame::getCurrentView() const {
    return modalView_ ? modalView_ : CViewContainer::getCurrentView();
}

bool CFrame::advanceFocus(CView* oldFocus, bool reverse) {
    if (modalView_) {
        return false;
    }
    if (!oldFocus) {
        oldFocus = focusView_;
    }
    if (!oldFocus) {
        return CViewContainer::advanceFocus(nullptr, reverse);
    }
    if (isChild(oldFocus)) {
        if (CViewContainer::advanceFocus(oldFocus, reverse)) {
            return true;
        }
        setFocusView(nullptr);
        return false;
    }
    CView* child = oldFocus;
    for (CView* parent = child->getParentView(); parent && parent->isTypeOf("CViewContainer");
         child = parent, parent = parent->getParentView()) {
        if (static_cast<CViewContainer*>(parent)->CViewContainer::advanceFocus(child, reverse)) {
            return true;
        }
    }
    return false;
}

FrameEditor* CFrame::getEditor() const {
    return editor_;
}

bool CFrame::isTypeOf(const char* className) const {
    return nameIsOneOf(className, {"CFrame", "CViewContainer", "CView"});
}

CDrawContext* CFrame::createDrawContext() {
    return new CDrawContext(this, nullptr, window_.get());
}

void CFrame::handlePaint(platform::Device& device, const CRect& update) {
    CDrawContext* context = new CDrawContext(this, &device, window_.get());
    drawRect(context, update);
    context->forget();
}

void CFrame::handleButtonDown(CPoint where) {
    CDrawContext* context = createDrawContext();
    onMouseDown(context, where, kButtonsUnknown);
    context->forget();
}

void CFrame::handleWheel(CPoint screen, float distance) {
    CDrawContext* context = createDrawContext();
    onWheel(context, screenToFrame(screen), distance);
    context->forget();
}

void CFrame::handleDestroyed() {
    setOpenFlag(false);
    parentWindow_ = nullptr;
}

} // namespace toolkit
