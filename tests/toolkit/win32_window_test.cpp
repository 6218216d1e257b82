// The Win32 back end for real: a frame inside a real parent window, painting, offscreen
// composition read back pixel by pixel, and presses and wheel steps delivered to the window.
#include "toolkit/bitmap.h"
#include "toolkit/frame.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/platform/device.h"
#include "toolkit/platform/win32/child_window.h"
#include "toolkit/platform/win32/win32.h"

#include "recording_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

namespace toolkit {
namespace {

using testing::RecordingView;

using testing::kBlue;
using testing::kGreen;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class Win32Frame : public ::testing::Test {
protected:
    // One host window for the whole suite: showing a top-level window waits on the display.
    static void SetUpTestSuite() {
        WNDCLASSA host{};
        host.lpfnWndProc = hostProcedure;
        host.hInstance = GetModuleHandleA(nullptr);
        host.lpszClassName = "AmberlowTestHost";
        RegisterClassA(&host);
        parent = CreateWindowExA(0, "AmberlowTestHost", "host", WS_POPUP | WS_VISIBLE, 10, 20, 400,
                                 309, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    static void TearDownTestSuite() {
        DestroyWindow(parent);
        pump();
    }
    void SetUp() override {
        ASSERT_NE(parent, nullptr);
        frame = new CFrame(CRect(0, 0, 400, 309), parent, nullptr);
        ASSERT_NE(frame->getPlatformWindow(), nullptr);
        window = static_cast<win32::Win32ChildWindow*>(frame->getPlatformWindow())->handle();
        frame->setBackgroundColor(kColorGrey);
        left = new RecordingView(CRect(10, 10, 60, 60), kColorRed);
        right = new RecordingView(CRect(40, 40, 100, 100), kGreen);
        frame->addView(left);
        frame->addView(right);
        pump();
    }
    void TearDown() override {
        delete frame;
        pump();
    }
    static void pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }
    CColor screenPixel(int x, int y) const {
        HDC dc = GetDC(window);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return CColor{GetRValue(c), GetGValue(c), GetBValue(c), 255};
    }

    static inline HWND parent = nullptr;
    HWND window = nullptr;
    CFrame* frame = nullptr;
    RecordingView* left = nullptr;
    RecordingView* right = nullptr;
};

TEST_F(Win32Frame, LivesInAChildWindowOfAClassNamedAfterTheModule) {
    EXPECT_EQ(GetParent(window), parent);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    char expected[64];
    std::snprintf(expected, sizeof expected, "Plugin%016llX",
                  static_cast<unsigned long long>(
                      reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))));
    EXPECT_STREQ(name, expected);
    RECT r{};
    GetClientRect(window, &r);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 309);
}

TEST_F(Win32Frame, PaintMessagesDrawTheViewsInOrder) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pump();
    EXPECT_EQ(screenPixel(5, 200), kColorGrey);
    EXPECT_EQ(screenPixel(20, 20), kColorRed);
    EXPECT_EQ(screenPixel(50, 50), kGreen) << "the later view paints over the earlier";
    EXPECT_EQ(screenPixel(99, 99), kGreen);
    EXPECT_EQ(screenPixel(100, 100), kColorGrey);
}

TEST_F(Win32Frame, IdleRedrawsADirtyViewStraightIntoTheWindow) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pump();
    auto* late = new RecordingView(CRect(200, 200, 220, 220), kBlue);
    frame->addView(late);
    EXPECT_EQ(screenPixel(210, 210), kColorGrey);
    frame->idle();
    EXPECT_EQ(screenPixel(210, 210), kBlue);
}

TEST_F(Win32Frame, PressesReachTheTopmostViewUnderThePointer) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    EXPECT_EQ(right->presses, 1);
    EXPECT_EQ(left->presses, 0);
    EXPECT_EQ(right->lastPress, CPoint(50, 50));
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(left->presses, 1) << "the corner of the mouse area is inside";
}

TEST_F(Win32Frame, WheelStepsArriveInNotchesAtFramePosition) {
    RECT r{};
    GetWindowRect(window, &r);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)),
                 MAKELPARAM(r.left + 70, r.top + 80));
    EXPECT_FLOAT_EQ(right->wheel, -0.5f);
    EXPECT_EQ(right->lastPress, CPoint(70, 80));
}

TEST_F(Win32Frame, DestroyedFromOutsideTheFrameClosesAndStaysSafeToDelete) {
    DestroyWindow(window);
    pump();
    EXPECT_FALSE(frame->isOpen());
    EXPECT_FALSE(frame->setSize(300, 200));
    frame->idle();
}

TEST_F(Win32Frame, OffscreenCopiesReadBackPixelForPixel) {
    auto* offscreen = new COffscreenContext(frame, 30, 20);
    offscreen->setFillColor(kColorRed);
    offscreen->fillRect(CRect(0, 0, 10, 10));
    offscreen->setFrameColor(kColorWhite);
    offscreen->drawRect(CRect(0, 0, 10, 10));
    offscreen->moveTo({12, 2});
    offscreen->lineTo({20, 2});

    auto* copy = new COffscreenContext(frame, 30, 20);
    offscreen->copyTo(copy, CRect(0, 0, 30, 20));
    platform::Device* pixels = copy->getSystemContext();
    for (std::int32_t v = 0; v < 12; ++v) {
        for (std::int32_t h = 0; h < 12; ++h) {
            const bool border = h < 10 && v < 10 && (h == 0 || h == 9 || v == 0 || v == 9);
            const bool inside = h < 10 && v < 10 && !border;
            const CColor expected = border ? kColorWhite : inside ? kColorRed : kColorBlack;
            EXPECT_EQ(pixels->pixel({h, v}), expected) << h << "," << v;
        }
    }
    EXPECT_EQ(pixels->pixel({19, 2}), kColorWhite);
    EXPECT_EQ(pixels->pixel({20, 2}), kColorBlack) << "lines leave out their end pixel";
    copy->forget();
    offscreen->forget();
}

TEST_F(Win32Frame, BitmapResourcesDrawWithColourKeyAndConstantAlpha) {
    auto* keyed = new CBitmap(100);
    ASSERT_TRUE(keyed->isLoaded());
    EXPECT_EQ(keyed->getWidth(), 4);
    auto* surface = new COffscreenContext(frame, 4, 4, kColorGrey);
    keyed->drawTransparent(surface, CRect(0, 0, 4, 2));
    platform::Device* pixels = surface->getSystemContext();
    EXPECT_EQ(pixels->pixel({0, 0}), kColorGrey);
    EXPECT_EQ(pixels->pixel({1, 0}), (CColor{254, 255, 255, 255}));
    EXPECT_EQ(pixels->pixel({2, 0}), kColorRed);

    keyed->drawAlphaBlend(surface, CRect(0, 2, 4, 4), {}, 128);
    const CColor blended = pixels->pixel({2, 2});
    EXPECT_NEAR(blended.red, (255 + 127) / 2, 2);
    EXPECT_NEAR(blended.green, 127 / 2, 2);
    surface->forget();
    keyed->forget();
}

// With no frame alive nothing holds "msimg32.dll": the colour key falls back to a mask, and
// the constant-alpha blit is not available.
TEST(Win32WithoutBlitLibrary, ColourKeyFallsBackToAMaskAndAlphaDrawsNothing) {
    auto* keyed = new CBitmap(100);
    auto* surface = new COffscreenContext(nullptr, 4, 4, kColorGrey);
    keyed->drawTransparent(surface, CRect(0, 0, 4, 2));
    keyed->drawAlphaBlend(surface, CRect(0, 2, 4, 4), {}, 128);
    platform::Device* pixels = surface->getSystemContext();
    EXPECT_EQ(pixels->pixel({0, 0}), kColorGrey);
    EXPECT_EQ(pixels->pixel({1, 1}), kColorGrey);
    EXPECT_EQ(pixels->pixel({1, 0}), (CColor{254, 255, 255, 255}));
    EXPECT_EQ(pixels->pixel({3, 1}), (CColor{255, 255, 254, 255}));
    EXPECT_EQ(pixels->pixel({2, 0}), kColorRed);
    EXPECT_EQ(pixels->pixel({2, 2}), kColorGrey);
    surface->forget();
    keyed->forget();
}

} // namespace
} // namespace toolkit
