// The native child window a frame lives in, created inside a parent window handle the host
// gives. The few messages the toolkit handles arrive through WindowEvents; everything else
// (button release, movement) is observed by polling the pointer.
#pragma once

#include "toolkit/platform/device.h"
#include "toolkit/rect.h"

#include <cstdint>
#include <memory>

namespace toolkit::platform {

class WindowEvents {
public:
    virtual void handlePaint(Device& device, const CRect& update) = 0;
    // where is in window coordinates.
    virtual void handleButtonDown(CPoint where) = 0;
    // screen is the pointer's screen position; distance is in notches and may be a fraction.
    virtual void handleWheel(CPoint screen, float distance) = 0;
    // The window was destroyed from outside.
    virtual void handleDestroyed() = 0;

protected:
    ~WindowEvents() = default;
};

class Window {
public:
    // Destroys the native window; the events receive nothing more, not even handleDestroyed.
    virtual ~Window() = default;

    // A device drawing into the window, released when the device is destroyed.
    virtual std::unique_ptr<Device> openDevice() = 0;
    virtual CRect screenRect() const = 0;
    // Resizes the window alone, keeping its position.
    virtual void resize(std::int32_t width, std::int32_t height) = 0;
    // Resizes the window and as many enclosing windows as need it to show width x height;
    // false when the enclosing windows were too different to follow.
    virtual bool resizeWithParents(std::int32_t width, std::int32_t height) = 0;
    // The parent window's rectangle in the client coordinates of its own parent.
    virtual CRect parentRect() const = 0;
    // Top-left corner of the outermost window that belongs to the editor, in its parent's
    // client coordinates.
    virtual CPoint outerPosition() const = 0;
};

// A visible child window of parent at (0, 0) with size's width and height; null on failure.
std::unique_ptr<Window> createChildWindow(void* parent, const CRect& size, WindowEvents& events);

} // namespace toolkit::platform
