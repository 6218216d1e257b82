// The base of everything visible in the editor window. A view lives from its creation (its
// creator's reference) until its last reference is dropped; the container it is added to holds
// a reference of its own.
#pragma once

#include "toolkit/buttons.h"
#include "toolkit/key_code.h"
#include "toolkit/point.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>
#include <initializer_list>

namespace toolkit {

class CBitmap;
class CDragContainer;
class CDrawContext;
class CFrame;
class FrameEditor;

class CView : public CReferenceCounter {
public:
    explicit CView(const CRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& update);
    // Touching counts as overlapping.
    virtual bool overlaps(const CRect& rect) const;
    virtual void onMouseDown(CDrawContext* context, const CPoint& where,
                             std::int32_t buttons = kButtonsUnknown);

    virtual void setBackground(CBitmap* bitmap);
    virtual CBitmap* getBackground() const;

    // Key handlers answer -1 for a key they did not handle.
    virtual std::int32_t onKeyDown(const CKeyCode& key);
    virtual std::int32_t onKeyUp(const CKeyCode& key);
    virtual bool onWheelAxis(CDrawContext* context, const CPoint& where, std::int32_t axis,
                             float distance);
    virtual bool onWheel(CDrawContext* context, const CPoint& where, float distance);

    virtual bool onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where);

    virtual void loseFocus(CDrawContext* context = nullptr);
    virtual void takeFocus(CDrawContext* context = nullptr);

    virtual bool isDirty() const;
    virtual void setDirty(bool dirty = true);

    virtual void setMouseEnabled(bool enabled = true);
    virtual bool isMouseEnabled() const;
    virtual void setMouseArea(const CRect& area);
    virtual CRect getMouseArea() const;
    // The mouse area answers, all four edges included.
    virtual bool hitTest(const CPoint& where, std::int32_t buttons = kButtonsUnknown) const;

    virtual void setTransparency(bool transparent);
    virtual bool getTransparency() const;

    // The mouse area stays where it was.
    virtual void setViewSize(const CRect& size);
    virtual CRect getViewSize() const;

    virtual bool onRemoved(CView* parent);
    virtual bool onAttached(CView* parent);

    // The cursor position in this view's parent's coordinates.
    virtual CPoint getMouseLocation(CDrawContext* context) const;
    virtual CPoint frameToLocal(CPoint point) const;
    virtual CPoint localToFrame(CPoint point) const;

    virtual FrameEditor* getEditor() const;
    virtual std::int32_t notify(CView* sender, const char* message);
    virtual void redrawRect(CDrawContext* context, const CRect& rect);

    virtual bool wantsFocus() const;
    virtual void setWantsFocus(bool wants);
    virtual bool isTypeOf(const char* className) const;
    // Draws the view if it is dirty, into the context or, without one, through the frame.
    virtual void update(CDrawContext* context);

    CFrame* getFrame() const { return frame_; }
    CView* getParentView() const { return parent_; }
    // Set by the container the view is added to.
    void setParents(CFrame* frame, CView* parent);

protected:
    // The view's own dirty flag, whatever its subclasses derive from it.
    bool isDirtyFlag() const { return dirty_; }

    CRect size_;
    CRect mouseArea_;

private:
    CFrame* frame_ = nullptr;
    CView* parent_ = nullptr;
    bool dirty_ = false;
    bool mouseEnabled_ = true;
    bool transparency_ = false;
    bool wantsFocus_ = false;
    CBitmap* background_ = nullptr;
};

// The class names an object answers to with isTypeOf, most derived first.
bool nameIsOneOf(const char* className, std::initializer_list<const char*> names);

} // namespace toolkit
