#include "toolkit/platform/win32/child_window.h"

#include "toolkit/platform/win32/gdi_device.h"
#include "toolkit/platform/win32/module.h"
#include "toolkit/platform/win32/window_class.h"

#include <cstdlib>
#include <cstring>

namespace toolkit::win32 {

namespace {

constexpr std::int32_t kLargestFrameDifference = 80;
constexpr std::int32_t kLargestOuterDifference = 60;

CRect toRect(const RECT& r) {
    return CRect(r.left, r.top, r.right, r.bottom);
}

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void resizeWindow(HWND window, std::int32_t width, std::int32_t height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// r, given in screen coordinates, in the client coordinates of window.
CRect inClientOf(HWND window, RECT r) {
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return toRect(r);
}

} // namespace

Win32ChildWindow::Win32ChildWindow(HWND parent, const CRect& size, platform::WindowEvents& events)
    : events_(events) {
    classAcquired_ = acquireWindowClass(&Win32ChildWindow::procedure);
    if (!classAcquired_) {
        return;
    }
    window_ =
        CreateWindowExA(0, windowClassName().c_str(), "Window",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                        size.width(), size.height(), parent, nullptr, toolkitModule(), nullptr);
    if (window_) {
        // The whole pointer: a 32-bit slot would cut a 64-bit address.
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

Win32ChildWindow::~Win32ChildWindow() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (classAcquired_) {
        releaseWindowClass();
    }
}

LRESULT CALLBACK Win32ChildWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<Win32ChildWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->dispatch(message, wParam, lParam);
}

LRESULT Win32ChildWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
    case WM_PAINT: {
        RECT update{};
        if (!GetUpdateRect(window, &update, FALSE)) {
            break;
        }
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        {
            std::unique_ptr<GdiDevice> device = GdiDevice::borrowed(dc);
            events_.handlePaint(*device, toRect(paint.rcPaint));
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        events_.handleButtonDown(CPoint(LOWORD(lParam), HIWORD(lParam)));
        return 0;
    case WM_MOUSEWHEEL: {
        const CPoint screen(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        const float notches = static_cast<float>(static_cast<short>(HIWORD(wParam))) / WHEEL_DELTA;
        events_.handleWheel(screen, notches);
        break;
    }
    case WM_DESTROY:
        events_.handleDestroyed();
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::unique_ptr<platform::Device> Win32ChildWindow::openDevice() {
    // Once the window is gone, a null window's device would be the whole screen's.
    if (!window_) {
        return nullptr;
    }
    return GdiDevice::ofWindow(window_);
}

CRect Win32ChildWindow::screenRect() const {
    return toRect(windowRect(window_));
}

void Win32ChildWindow::resize(std::int32_t width, std::int32_t height) {
    resizeWindow(window_, width, height);
}

bool Win32ChildWindow::resizeWithParents(std::int32_t width, std::int32_t height) {
    // Hosts wrap the editor in frames of their own; each enclosing window grows by as much as
    // it was larger than the one inside, up to the host's dialog frame.
    const std::int32_t border = 2 * GetSystemMetrics(SM_CYDLGFRAME);
    std::int32_t extraWidth = 0;
    std::int32_t extraHeight = 0;
    HWND current = window_;
    while (border != 0 && current) {
        HWND parent = GetParent(current);
        char className[32] = {};
        if (!parent || (GetClassNameA(parent, className, sizeof className) &&
                        std::strcmp(className, "MDIClient") == 0)) {
            break;
        }
        const CRect before = toRect(windowRect(current));
        const CRect parentBefore = toRect(windowRect(parent));
        resizeWindow(current, width + extraWidth, height + extraHeight);
        extraWidth += parentBefore.width() - before.width();
        extraHeight += parentBefore.height() - before.height();
        if (extraWidth > kLargestFrameDifference || extraHeight > kLargestFrameDifference) {
            return false;
        }
        extraWidth = extraWidth < 0 ? 0 : extraWidth;
        extraHeight = extraHeight < 0 ? 0 : extraHeight;
        current = parent;
        if (extraWidth == border) {
            break;
        }
    }
    if (current) {
        resizeWindow(current, width + extraWidth, height + extraHeight);
    }
    return true;
}

CRect Win32ChildWindow::parentRect() const {
    HWND parent = GetParent(window_);
    return inClientOf(GetParent(parent), windowRect(parent));
}

CPoint Win32ChildWindow::outerPosition() const {
    HWND outer = window_;
    while (true) {
        HWND parent = GetParent(outer);
        const bool captioned = (GetWindowLongA(outer, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
        if (captioned || !parent) {
            break;
        }
        const CRect own = toRect(windowRect(outer));
        const CRect enclosing = toRect(windowRect(parent));
        if (std::abs(enclosing.width() - own.width()) > kLargestOuterDifference ||
            std::abs(enclosing.height() - own.height()) > kLargestOuterDifference) {
            break;
        }
        outer = parent;
    }
    return inClientOf(GetParent(outer), windowRect(outer)).topLeft();
}

} // namespace toolkit::win32

namespace toolkit::platform {

std::unique_ptr<Window> createChildWindow(void* parent, const CRect& size, WindowEvents& events) {
    auto window =
        std::make_unique<win32::Win32ChildWindow>(static_cast<HWND>(parent), size, events);
    if (!window->handle()) {
        return nullptr;
    }
    return window;
}

} // namespace toolkit::platform
