// Test-facing controls of the headless back end: a scripted pointer, a controllable clock, a
// stand-in for the host's parent window, and access to what a child window shows.
//
// The pointer: each queued state is used up once both its position and its buttons have been
// read; reading either again moves on to the next queued state. With the queue empty the last
// state stays. A tracking loop that polls position and buttons once per pass therefore sees one
// queued state per pass, whichever it reads first.
#pragma once

#include "toolkit/platform/input.h"
#include "toolkit/platform/window.h"

#include <cstdint>
#include <string>

namespace toolkit::headless {

struct PointerState {
    CPoint screen;
    platform::PointerButtons buttons;
};

// Makes state the current one, keeping whatever is queued.
void setPointer(const PointerState& state);
void queuePointer(const PointerState& state);
// Back to the pointer at (0, 0) with nothing held, nothing queued, buttons not swapped, the
// clock at 0 and a double-click time of 500 ms.
void resetInput();
void setButtonsSwapped(bool swapped);
void setTicks(std::uint32_t ticks);
void advanceTicks(std::uint32_t milliseconds);
void setDoubleClickTime(std::uint32_t milliseconds);

// The kind of the cursor shown last (0 for the arrow the pointer starts with).
std::int32_t shownCursorKind();

// What a frame is given as its parent window: the host's window on a virtual screen. A parent
// handle that is no HostWindow (a real host's window) gets a window of its own at the origin.
class HostWindow {
public:
    explicit HostWindow(const CRect& screenRect);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    static bool exists(const void* handle);

    CRect screenRect;
};

// The child window a frame creates; frames hand it out through getPlatformWindow.
class ChildWindow : public platform::Window {
public:
    virtual void paint(const CRect& update) = 0;
    // Presses at where (window coordinates) with buttons, as the system would deliver it.
    virtual void press(CPoint where, platform::PointerButtons buttons) = 0;
    virtual void wheel(CPoint where, float notches) = 0;
    virtual void destroyFromOutside() = 0;
    virtual CColor pixel(CPoint where) const = 0;
    virtual bool writePng(const std::string& path) const = 0;
};

ChildWindow* childWindow(platform::Window* window);

// Writes what a device holds to a PNG file; false on failure.
bool writePng(platform::Device& device, const std::string& path);

} // namespace toolkit::headless
