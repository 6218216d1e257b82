#include "toolkit/control.h"

#include "toolkit/buttons.h"
#include "toolkit/control_listener.h"
#include "toolkit/frame.h"
#include "toolkit/platform/input.h"

#include <algorithm>

namespace toolkit {

namespace {
constexpr std::int32_t kShortestDoubleClick = 250;
}

CControl::CControl(const CRect& size, CControlListener* listener, std::int32_t tag,
                   CBitmap* background)
    : CView(size), listener_(listener), tag_(tag),
      doubleClickInterval_(std::max<std::int32_t>(
          kShortestDoubleClick, static_cast<std::int32_t>(platform::doubleClickTime()))) {
    setBackground(background);
    setDirty(true);
}

CControl::~CControl() = default;

bool CControl::isDirty() const {
    // Unordered comparisons (NaN) count as a change.
    return !(value_ == oldValue_) || isDirtyFlag();
}

void CControl::setDirty(bool dirty) {
    CView::setDirty(dirty);
    if (dirty) {
        oldValue_ = value_ == -1.0f ? 0.0f : -1.0f;
    } else {
        oldValue_ = value_;
    }
}

bool CControl::isTypeOf(const char* className) const {
    return nameIsOneOf(className, {"CControl", "CView"});
}

void CControl::runIdle() {
    if (getFrame()) {
        getFrame()->runIdle();
    }
}

void CControl::setValue(float value) {
    value_ = value;
}

float CControl::getValue() const {
    return value_;
}

void CControl::setMin(float value) {
    minimum_ = value;
}

float CControl::getMin() const {
    return minimum_;
}

void CControl::setMax(float value) {
    maximum_ = value;
}

float CControl::getMax() const {
    return maximum_;
}

void CControl::setOldValue(float value) {
    oldValue_ = value;
}

float CControl::getOldValue() const {
    return oldValue_;
}

void CControl::setDefaultValue(float value) {
    defaultValue_ = value;
}

float CControl::getDefaultValue() const {
    return defaultValue_;
}

void CControl::setTag(std::int32_t tag) {
    tag_ = tag;
}

std::int32_t CControl::getTag() const {
    return tag_;
}

void CControl::beginEdit() {
    if (getFrame()) {
        getFrame()->setFocusView(this);
        getFrame()->beginEdit(tag_);
    }
}

void CControl::endEdit() {
    if (getFrame()) {
        getFrame()->endEdit(tag_);
    }
}

void CControl::setBackOffset(CPoint offset) {
    backOffset_ = offset;
}

CPoint CControl::getBackOffset() const {
    return backOffset_;
}

void CControl::alignBackOffset() {
    backOffset_ = size_.topLeft();
}

void CControl::setWheelIncrement(float increment) {
    wheelIncrement_ = increment;
}

float CControl::getWheelIncrement() const {
    return wheelIncrement_;
}

void CControl::clampValue() {
    if (value_ > maximum_) {
        value_ = maximum_;
    } else if (value_ < minimum_) {
        value_ = minimum_;
    }
}

bool CControl::resetToDefault(CDrawContext* context, std::int32_t buttons) {
    if (buttons != (kModControl | kButtonLeft)) {
        return false;
    }
    beginEdit();
    value_ = getDefaultValue();
    if (isDirty() && listener_) {
        listener_->valueChanged(context, this);
    }
    endEdit();
    return true;
}

bool CControl::isDoubleClick() {
    const auto now = static_cast<std::int32_t>(getFrame() ? getFrame()->getTicks() : 0);
    if (lastClickTime_ > 0 && now < lastClickTime_ + doubleClickInterval_) {
        lastClickTime_ = 0;
        return true;
    }
    lastClickTime_ = now;
    return false;
}

} // namespace toolkit
