// A view holding an ordered list of child views: it draws them in insertion order (later ones
// on top), composes them in an offscreen surface, and routes presses, keys, wheel, focus and
// drags to them, searching from the topmost child down.
#pragma once

#include "toolkit/color.h"
#include "toolkit/view.h"

#include <vector>

namespace toolkit {

class COffscreenContext;

enum CViewContainerMode : std::int32_t { kNormalUpdate = 0, kOnlyDirtyUpdate = 1 };

class CViewContainer : public CView {
public:
    explicit CViewContainer(const CRect& size);
    // Releases every child with forget, so children added and never released die here.
    ~CViewContainer() override;

    virtual void addViewWithArea(CView* view, const CRect& mouseArea, bool mouseEnabled = true);
    // Takes a reference of its own; the creator's reference passes to the container too and is
    // dropped by removeView with forget.
    virtual void addView(CView* view);
    virtual bool removeView(CView* view, bool withForget = true);
    virtual void removeAll(bool withForget = true);
    virtual bool isChild(const CView* view) const;
    virtual std::int32_t getViewCount() const;
    virtual CView* getView(std::int32_t index) const;

    virtual void setBackgroundColor(CColor color);
    virtual CColor getBackgroundColor() const;
    virtual void setBackgroundOffset(CPoint offset);
    virtual CPoint getBackgroundOffset() const;
    // R in the container's own coordinates.
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& rect);

    virtual void setMode(std::int32_t mode);
    virtual std::int32_t getMode() const;
    virtual void useOffscreen(bool use);

    // The child under the cursor.
    virtual CView* getCurrentView() const;
    // where in the parent's coordinates; deep descends into child containers.
    virtual CView* getViewAt(const CPoint& where, bool deep = false) const;
    virtual bool advanceFocus(CView* oldFocus, bool reverse);

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& update) override;
    void onMouseDown(CDrawContext* context, const CPoint& where,
                     std::int32_t buttons = kButtonsUnknown) override;
    std::int32_t onKeyDown(const CKeyCode& key) override;
    std::int32_t onKeyUp(const CKeyCode& key) override;
    bool onWheelAxis(CDrawContext* context, const CPoint& where, std::int32_t axis,
                     float distance) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void loseFocus(CDrawContext* context = nullptr) override;
    void takeFocus(CDrawContext* context = nullptr) override;
    bool isDirty() const override;
    void setViewSize(const CRect& size) override;
    bool onRemoved(CView* parent) override;
    bool onAttached(CView* parent) override;
    CPoint frameToLocal(CPoint point) const override;
    CPoint localToFrame(CPoint point) const override;
    std::int32_t notify(CView* sender, const char* message) override;
    void redrawRect(CDrawContext* context, const CRect& rect) override;
    bool isTypeOf(const char* className) const override;
    void update(CDrawContext* context) override;

    COffscreenContext* getOffscreen() const { return offscreen_; }

protected:
    const std::vector<CView*>& children() const { return children_; }
    CView* findChildAt(CPoint local) const;
    // where, given in the parent's coordinates, in this container's own.
    CPoint toLocal(const CPoint& where) const;

private:
    // Offers a key to the children from the topmost down; the first answer other than -1.
    std::int32_t offerKey(std::int32_t (CView::*handler)(const CKeyCode&), const CKeyCode& key);
    // Leaves the current drag view for view; false when view already is the current one.
    bool switchDragView(CView* view, CDrawContext* context, CDragContainer* drag,
                        const CPoint& local);
    CDrawContext* drawTarget(CDrawContext* context);
    // Creates the offscreen when the container draws through one and has none yet.
    void ensureOffscreen();
    void releaseOffscreen();
    void drawBackground(CDrawContext* target, const CRect& rect);

    std::vector<CView*> children_;
    std::int32_t mode_ = kNormalUpdate;
    COffscreenContext* offscreen_ = nullptr;
    CColor backgroundColor_ = kColorBlack;
    CPoint backgroundOffset_;
    bool drawInOffscreen_ = true;
    CView* currentDragView_ = nullptr;
};

} // namespace toolkit
