// The root of the view tree. It owns the native child window inside the host's window, turns
// its messages into calls on the tree, redraws dirty views when the editor idles, and keeps the
// modal view and the focus view. The editor deletes a frame directly.
#pragma once

#include "toolkit/platform/cursor.h"
#include "toolkit/platform/window.h"
#include "toolkit/view_container.h"

#include <memory>

namespace toolkit {

namespace platform {
class BlitLibrary;
}

class FrameEditor;

enum CCursorType : std::int32_t {
    kCursorDefault = 0,
    kCursorWait,
    kCursorHSize,
    kCursorVSize,
    kCursorSizeAll,
    kCursorNESWSize,
    kCursorNWSESize,
    kCursorCopy,
    kCursorNotAllowed,
    kCursorHand
};

class CFrame : public CViewContainer, private platform::WindowEvents {
public:
    // With a parent window, the frame's child window is created at once.
    CFrame(const CRect& size, void* parentWindow, FrameEditor* editor);
    ~CFrame() override;

    virtual bool openStandalone();
    virtual bool closeStandalone();
    virtual bool isWindowOpen() const;
    // Redraws dirty views; nothing before the window's first paint.
    virtual void idle();
    virtual void runIdle();
    virtual std::uint32_t getTicks() const;
    virtual std::int32_t getKnobMode() const;
    virtual bool setPosition(std::int32_t x, std::int32_t y);
    virtual bool getPosition(std::int32_t& x, std::int32_t& y) const;
    virtual bool setSize(std::int32_t width, std::int32_t height);
    virtual bool getParentRect(CRect& rect) const;
    // Refused while another modal view is set.
    virtual bool setModalView(CView* view);
    virtual CView* getModalView() const;
    virtual void beginEdit(std::int32_t tag);
    virtual void endEdit(std::int32_t tag);
    // The cursor position in frame coordinates.
    virtual CPoint getCurrentLocation() const;
    virtual void setCursor(std::int32_t kind);
    virtual void setFocusView(CView* view);
    virtual CView* getFocusView() const;
    virtual void setOpenFlag(bool open);
    virtual bool isOpen() const;
    // Marks every direct child touching rect dirty.
    virtual void invalidate(const CRect& rect);
    // Returns the previous setting.
    virtual bool setUpdatesDisabled(bool disabled);
    virtual bool areUpdatesDisabled() const;
    virtual void drawView(CView* view);

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& update) override;
    void onMouseDown(CDrawContext* context, const CPoint& where,
                     std::int32_t buttons = kButtonsUnknown) override;
    std::int32_t onKeyDown(const CKeyCode& key) override;
    std::int32_t onKeyUp(const CKeyCode& key) override;
    bool onWheelAxis(CDrawContext* context, const CPoint& where, std::int32_t axis,
                     float distance) override;
    void setViewSize(const CRect& size) override;
    void update(CDrawContext* context) override;
    CView* getCurrentView() const override;
    bool advanceFocus(CView* oldFocus, bool reverse) override;
    FrameEditor* getEditor() const override;
    bool isTypeOf(const char* className) const override;

    // A context for the frame's window; the caller releases it with forget.
    CDrawContext* createDrawContext();
    platform::Window* getPlatformWindow() const { return window_.get(); }
    void* getParentWindow() const { return parentWindow_; }

private:
    // A screen position in frame coordinates.
    CPoint screenToFrame(CPoint screen) const;
    void handlePaint(platform::Device& device, const CRect& update) override;
    void handleButtonDown(CPoint where) override;
    void handleWheel(CPoint screen, float distance) override;
    void handleDestroyed() override;

    FrameEditor* editor_;
    void* parentWindow_;
    CView* modalView_ = nullptr;
    CView* focusView_ = nullptr;
    bool firstDrawPending_ = true;
    bool open_ = true;
    bool updatesDisabled_ = false;
    std::unique_ptr<platform::BlitLibrary> blitLibrary_;
    std::unique_ptr<platform::Window> window_;
    bool cursorSaved_ = false;
    platform::CursorHandle savedCursor_ = nullptr;
};

} // namespace toolkit
