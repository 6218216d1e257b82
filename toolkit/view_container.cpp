#include "toolkit/view_container.h"

#include "toolkit/bitmap.h"
#include "toolkit/context_shift.h"
#include "toolkit/frame.h"
#include "toolkit/messages.h"
#include "toolkit/offscreen_context.h"

#include <algorithm>
#include <optional>

namespace toolkit {

CViewContainer::CViewContainer(const CRect& size) : CView(size) {
    setDirty(true);
}

CViewContainer::~CViewContainer() {
    removeAll(true);
    releaseOffscreen();
}

void CViewContainer::addViewWithArea(CView* view, const CRect& mouseArea, bool mouseEnabled) {
    if (!view) {
        return;
    }
    view->setMouseEnabled(mouseEnabled);
    view->setMouseArea(mouseArea);
    addView(view);
}

void CViewContainer::addView(CView* view) {
    if (!view) {
        return;
    }
    view->remember();
    view->setParents(getFrame(), this);
    children_.push_back(view);
    view->onAttached(this);
    view->setDirty(true);
}

bool CViewContainer::removeView(CView* view, bool withForget) {
    const auto found = std::find(children_.begin(), children_.end(), view);
    if (found == children_.end()) {
        return false;
    }
    // The frame must not keep a focus view that may be freed below.
    if (getFrame() && getFrame()->getFocusView() == view) {
        getFrame()->setFocusView(nullptr);
    }
    if (currentDragView_ == view) {
        currentDragView_ = nullptr;
    }
    children_.erase(found);
    view->onRemoved(this);
    // A view that outlives its removal must not keep pointing at a frame that may go first.
    view->setParents(nullptr, nullptr);
    if (withForget) {
        view->forget();
    }
    view->forget();
    return true;
}

void CViewContainer::removeAll(bool withForget) {
    while (!children_.empty()) {
        removeView(children_.front(), withForget);
    }
}

bool CViewContainer::isChild(const CView* view) const {
    return std::find(children_.begin(), children_.end(), view) != children_.end();
}

std::int32_t CViewContainer::getViewCount() const {
    return static_cast<std::int32_t>(children_.size());
}

CView* CViewContainer::getView(std::int32_t index) const {
    return index >= 0 && index < getViewCount() ? children_[static_cast<std::size_t>(index)]
                                                : nullptr;
}

void CViewContainer::setBackgroundColor(CColor color) {
    backgroundColor_ = color;
    setDirty(true);
}

CColor CViewContainer::getBackgroundColor() const {
    return backgroundColor_;
}

void CViewContainer::setBackgroundOffset(CPoint offset) {
    backgroundOffset_ = offset;
}

CPoint CViewContainer::getBackgroundOffset() const {
    return backgroundOffset_;
}

void CViewContainer::setMode(std::int32_t mode) {
    mode_ = mode;
}

std::int32_t CViewContainer::getMode() const {
    return mode_;
}

void CViewContainer::useOffscreen(bool use) {
    drawInOffscreen_ = use;
    if (!use) {
        releaseOffscreen();
    }
}

void CViewContainer::ensureOffscreen() {
    if (drawInOffscreen_ && !offscreen_) {
        offscreen_ = new COffscreenContext(getFrame(), size_.width(), size_.height(), kColorBlack);
    }
}

void CViewContainer::releaseOffscreen() {
    if (offscreen_) {
        offscreen_->forget();
        offscreen_ = nullptr;
    }
}

CDrawContext* CViewContainer::drawTarget(CDrawContext* context) {
    ensureOffscreen();
    return drawInOffscreen_ ? offscreen_ : context;
}

void CViewContainer::drawBackground(CDrawContext* target, const CRect& rect) {
    CBitmap* background = getBackground();
    if (background) {
        const CRect whole(0, 0, background->getWidth(), background->getHeight());
        if (getTransparency()) {
            background->drawTransparent(target, whole, backgroundOffset_);
        } else {
            background->draw(target, whole, backgroundOffset_);
        }
    } else if (!getTransparency()) {
        target->setFillColor(backgroundColor_);
        target->fillRect(rect);
    }
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& rect) {
    if (getBackground()) {
        const CRect previousClip = context->getClipRect();
        context->setClipRect(rect.clippedTo(previousClip));
        drawBackground(context, rect);
        context->setClipRect(previousClip);
    } else {
        drawBackground(context, rect);
    }
}

void CViewContainer::draw(CDrawContext* context) {
    CDrawContext* target = drawTarget(context);
    {
        std::optional<ContextShift> entered;
        if (target == context) {
            entered.emplace(context, size_.topLeft());
        }
        drawBackground(target, CRect(0, 0, size_.width(), size_.height()));
        for (CView* child : children_) {
            child->draw(target);
        }
    }
    if (target != context) {
        offscreen_->copyTo(context, size_);
    }
    setDirty(false);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& update) {
    CDrawContext* target = drawTarget(context);
    const CRect clipped = update.clippedTo(size_);
    const CRect local = CRect(clipped).offset(-size_.left, -size_.top);
    {
        std::optional<ContextShift> entered;
        if (target == context) {
            entered.emplace(context, size_.topLeft());
        }
        drawBackgroundRect(target, local);
        for (CView* child : children_) {
            if (!child->overlaps(local)) {
                continue;
            }
            const CRect before = child->getViewSize();
            const bool wasDirty = child->isDirty();
            child->drawRect(target, local);
            // A child that moved while it was drawn still owes a redraw at its new place.
            if (wasDirty && child->getViewSize() != before) {
                child->setDirty(true);
            }
        }
    }
    if (target != context) {
        offscreen_->copyTo(context, clipped, local.topLeft());
    }
    setDirty(false);
}

CPoint CViewContainer::toLocal(const CPoint& where) const {
    return CPoint(where).offset(-size_.left, -size_.top);
}

CView* CViewContainer::findChildAt(CPoint local) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if ((*it)->getMouseArea().pointInside(local)) {
            return *it;
        }
    }
    return nullptr;
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const {
    if (!getFrame()) {
        return nullptr;
    }
    const CPoint local = toLocal(where);
    CView* view = findChildAt(local);
    if (deep && view && view->isTypeOf("CViewContainer")) {
        CView* inner = static_cast<CViewContainer*>(view)->getViewAt(local, true);
        return inner ? inner : view;
    }
    return view;
}

CView* CViewContainer::getCurrentView() const {
    if (!getFrame()) {
        return nullptr;
    }
    return findChildAt(frameToLocal(getFrame()->getCurrentLocation()));
}

void CViewContainer::onMouseDown(CDrawContext* context, const CPoint& where, std::int32_t buttons) {
    const CPoint local = toLocal(where);
    if (buttons == kButtonsUnknown && context) {
        buttons = CDrawContext::getMouseButtons();
    }
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        CView* child = *it;
        if (child->isMouseEnabled() && child->hitTest(local, buttons)) {
            child->onMouseDown(context, local, buttons);
            return;
        }
    }
}

std::int32_t CViewContainer::offerKey(std::int32_t (CView::*handler)(const CKeyCode&),
                                      const CKeyCode& key) {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        const std::int32_t result = ((*it)->*handler)(key);
        if (result != -1) {
            return result;
        }
    }
    return -1;
}

std::int32_t CViewContainer::onKeyDown(const CKeyCode& key) {
    return offerKey(&CView::onKeyDown, key);
}

std::int32_t CViewContainer::onKeyUp(const CKeyCode& key) {
    return offerKey(&CView::onKeyUp, key);
}

bool CViewContainer::advanceFocus(CView* oldFocus, bool reverse) {
    std::vector<CView*> order = children_;
    if (reverse) {
        std::reverse(order.begin(), order.end());
    }
    auto it = order.begin();
    if (oldFocus) {
        it = std::find(order.begin(), order.end(), oldFocus);
        if (it != order.end()) {
            ++it;
        }
    }
    for (; it != order.end(); ++it) {
        CView* child = *it;
        if (child->wantsFocus()) {
            if (getFrame()) {
                getFrame()->setFocusView(child);
            }
            return true;
        }
        if (child->isTypeOf("CViewContainer") &&
            static_cast<CViewContainer*>(child)->advanceFocus(nullptr, reverse)) {
            return true;
        }
    }
    return false;
}

bool CViewContainer::onWheel(CDrawContext* context, const CPoint& where, float distance) {
    return onWheelAxis(context, where, 1, distance);
}

bool CViewContainer::onWheelAxis(CDrawContext* context, const CPoint& where, std::int32_t axis,
                                 float distance) {
    CView* view = getViewAt(where, false);
    if (!view) {
        return false;
    }
    const ContextShift entered(context, size_.topLeft());
    return view->onWheelAxis(context, toLocal(where), axis, distance);
}

void CViewContainer::onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where) {
    const ContextShift entered(context, size_.topLeft());
    const CPoint local = toLocal(where);
    if (currentDragView_) {
        currentDragView_->onDragLeave(context, drag, local);
    }
    currentDragView_ = getViewAt(where);
    if (currentDragView_) {
        currentDragView_->onDragEnter(context, drag, local);
    }
}

bool CViewContainer::switchDragView(CView* view, CDrawContext* context, CDragContainer* drag,
                                    const CPoint& local) {
    if (view == currentDragView_) {
        return false;
    }
    if (currentDragView_) {
        currentDragView_->onDragLeave(context, drag, local);
    }
    currentDragView_ = view;
    return true;
}

void CViewContainer::onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where) {
    const ContextShift entered(context, size_.topLeft());
    const CPoint local = toLocal(where);
    if (switchDragView(getViewAt(where), context, drag, local)) {
        if (currentDragView_) {
            currentDragView_->onDragEnter(context, drag, local);
        }
    } else if (currentDragView_) {
        currentDragView_->onDragMove(context, drag, local);
    }
}

void CViewContainer::onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where) {
    const ContextShift entered(context, size_.topLeft());
    if (currentDragView_) {
        currentDragView_->onDragLeave(context, drag, toLocal(where));
    }
    currentDragView_ = nullptr;
}

bool CViewContainer::onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where) {
    if (!getFrame()) {
        return false;
    }
    const ContextShift entered(context, size_.topLeft());
    const CPoint local = toLocal(where);
    switchDragView(getViewAt(where), context, drag, local);
    bool result = false;
    if (currentDragView_) {
        result = currentDragView_->onDrop(context, drag, local);
        currentDragView_->onDragLeave(context, drag, local);
    }
    currentDragView_ = nullptr;
    return result;
}

void CViewContainer::loseFocus(CDrawContext* context) {
    for (CView* child : children_) {
        child->loseFocus(context);
    }
}

void CViewContainer::takeFocus(CDrawContext* context) {
    for (CView* child : children_) {
        child->takeFocus(context);
    }
}

bool CViewContainer::isDirty() const {
    if (isDirtyFlag()) {
        return true;
    }
    const CRect inside(0, 0, size_.width(), size_.height());
    return std::any_of(children_.begin(), children_.end(), [&](const CView* child) {
        const CRect visible = child->getViewSize().clippedTo(inside);
        return child->isDirty() && visible.width() > 0 && visible.height() > 0;
    });
}

void CViewContainer::setViewSize(const CRect& size) {
    CView::setViewSize(size);
    if (offscreen_) {
        releaseOffscreen();
        ensureOffscreen();
    }
}

bool CViewContainer::onRemoved(CView*) {
    releaseOffscreen();
    return true;
}

bool CViewContainer::onAttached(CView*) {
    ensureOffscreen();
    return true;
}

CPoint CViewContainer::frameToLocal(CPoint point) const {
    return CView::frameToLocal(point.offset(-size_.left, -size_.top));
}

CPoint CViewContainer::localToFrame(CPoint point) const {
    return CView::localToFrame(point.offset(size_.left, size_.top));
}

std::int32_t CViewContainer::notify(CView* sender, const char* message) {
    if (message == kMsgCheckIfViewContainer) {
        return 1;
    }
    return CView::notify(sender, message);
}

void CViewContainer::redrawRect(CDrawContext* context, const CRect& rect) {
    const CRect moved = CRect(rect).offset(size_.left, size_.top);
    if (getTransparency()) {
        CView::redrawRect(context, moved);
        return;
    }
    std::optional<ContextShift> entered;
    if (getParentView()) {
        entered.emplace(context, getParentView()->localToFrame(CPoint()));
    }
    drawRect(context, moved);
}

bool CViewContainer::isTypeOf(const char* className) const {
    return nameIsOneOf(className, {"CViewContainer", "CView"});
}

void CViewContainer::update(CDrawContext* context) {
    if (mode_ == kNormalUpdate) {
        if (isDirty()) {
            draw(context);
            setDirty(false);
        }
        return;
    }
    if (mode_ != kOnlyDirtyUpdate) {
        return;
    }
    if (isDirtyFlag()) {
        draw(context);
        setDirty(false);
        return;
    }
    if (offscreen_) {
        const bool wasDirty = isDirty();
        for (CView* child : children_) {
            child->update(offscreen_);
        }
        if (wasDirty) {
            offscreen_->copyTo(context, size_);
            setDirty(false);
        }
        return;
    }
    {
        const ContextShift entered(context, size_.topLeft());
        for (CView* child : children_) {
            if (!child->isDirty()) {
                continue;
            }
            drawBackgroundRect(context, child->getViewSize());
            auto* inner =
                child->isTypeOf("CViewContainer") ? static_cast<CViewContainer*>(child) : nullptr;
            const std::int32_t innerMode = inner ? inner->getMode() : kNormalUpdate;
            if (inner) {
                inner->setMode(kNormalUpdate);
            }
            child->update(context);
            if (inner) {
                inner->setMode(innerMode);
            }
        }
    }
    setDirty(false);
}

} // namespace toolkit
