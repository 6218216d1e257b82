// The frame's child window inside the host's window, and its window procedure.
#pragma once

#include "toolkit/platform/win32/win32.h"
#include "toolkit/platform/window.h"

namespace toolkit::win32 {

class Win32ChildWindow : public platform::Window {
public:
    // Check handle() for success.
    Win32ChildWindow(HWND parent, const CRect& size, platform::WindowEvents& events);
    ~Win32ChildWindow() override;
    Win32ChildWindow(const Win32ChildWindow&) = delete;
    Win32ChildWindow& operator=(const Win32ChildWindow&) = delete;

    std::unique_ptr<platform::Device> openDevice() override;
    CRect screenRect() const override;
    void resize(std::int32_t width, std::int32_t height) override;
    bool resizeWithParents(std::int32_t width, std::int32_t height) override;
    CRect parentRect() const override;
    CPoint outerPosition() const override;

    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    platform::WindowEvents& events_;
    HWND window_ = nullptr;
    bool classAcquired_ = false;
};

} // namespace toolkit::win32
