// The base of every interactive view: a value with range, default and tag, a listener told of
// user changes, edit-begin and edit-end around each gesture, and the dirty logic that redraws a
// control by itself whenever its value changes, by whatever means.
#pragma once

#include "toolkit/view.h"

#include <cstdint>

namespace toolkit {

class CControlListener;

class CControl : public CView {
public:
    // The control takes its own reference of the background bitmap.
    CControl(const CRect& size, CControlListener* listener, std::int32_t tag,
             CBitmap* background = nullptr);
    ~CControl() override;

    // Every control draws itself and ends with setDirty (false).
    void draw(CDrawContext* context) override = 0;
    bool isDirty() const override;
    void setDirty(bool dirty = true) override;
    bool isTypeOf(const char* className) const override;

    virtual void runIdle();
    // No clamping and no dirty flag: the dirty logic notices the change.
    virtual void setValue(float value);
    virtual float getValue() const;
    virtual void setMin(float value);
    virtual float getMin() const;
    virtual void setMax(float value);
    virtual float getMax() const;
    virtual void setOldValue(float value);
    virtual float getOldValue() const;
    virtual void setDefaultValue(float value);
    virtual float getDefaultValue() const;
    virtual void setTag(std::int32_t tag);
    virtual std::int32_t getTag() const;
    // Makes the control the frame's focus view and relays the start of a gesture.
    virtual void beginEdit();
    virtual void endEdit();
    virtual void setBackOffset(CPoint offset);
    virtual CPoint getBackOffset() const;
    // Lets the control draw its background from a bitmap that covers the whole window.
    virtual void alignBackOffset();
    virtual void setWheelIncrement(float increment);
    virtual float getWheelIncrement() const;
    virtual void clampValue();
    // Control+left-click alone restores the default value; true when it consumed the press.
    virtual bool resetToDefault(CDrawContext* context, std::int32_t buttons);

    // True for the second of two clicks within the double-click interval, and never for a
    // third one right after.
    bool isDoubleClick();
    CControlListener* getListener() const { return listener_; }

protected:
    CControlListener* listener_;
    std::int32_t tag_;
    float oldValue_ = 1.0f;
    float defaultValue_ = 0.5f;
    float value_ = 0.0f;
    float minimum_ = 0.0f;
    float maximum_ = 1.0f;
    float wheelIncrement_ = 0.1f;
    std::int32_t lastClickTime_ = -1;
    std::int32_t doubleClickInterval_;
    CPoint backOffset_;
};

} // namespace toolkit
