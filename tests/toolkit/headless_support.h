// Helpers shared by the headless toolkit tests: pointer states, scripted-input resets, and a
// frame in a host window with a mock editor.
#pragma once

#include "toolkit/frame.h"
#include "toolkit/frame_editor.h"
#include "toolkit/platform/headless/headless.h"

#include "recording_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace toolkit::testing {

inline platform::PointerButtons leftButton() {
    platform::PointerButtons b;
    b.left = true;
    return b;
}

inline platform::PointerButtons noButtons() {
    return {};
}

// Resets the scripted input around every test.
class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { headless::resetInput(); }
    void TearDown() override { headless::resetInput(); }
};

class MockFrameEditor : public FrameEditor {
public:
    MOCK_METHOD(void, beginEdit, (std::int32_t), (override));
    MOCK_METHOD(void, endEdit, (std::int32_t), (override));
    MOCK_METHOD(void, doIdleStuff, (), (override));
    MOCK_METHOD(std::int32_t, getKnobMode, (), (const, override));
    MOCK_METHOD(bool, canHostSizeWindow, (), (override));
    MOCK_METHOD(bool, sizeWindow, (std::int32_t, std::int32_t), (override));
};

// A frame of 200 x 100 in a host window at (300, 200) on the virtual screen.
class FrameTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        frame = new CFrame(CRect(0, 0, 200, 100), &host, &editor);
        window = headless::childWindow(frame->getPlatformWindow());
    }
    void TearDown() override {
        delete frame;
        HeadlessTest::TearDown();
    }
    RecordingView* add(const CRect& size, CColor color, const char* name, bool wantsFocus = false) {
        auto* view = new RecordingView(size, color, &log, name);
        view->setWantsFocus(wantsFocus);
        frame->addView(view);
        return view;
    }

    headless::HostWindow host{CRect(300, 200, 500, 300)};
    ::testing::NiceMock<MockFrameEditor> editor;
    CFrame* frame = nullptr;
    headless::ChildWindow* window = nullptr;
    std::vector<std::string> log;
};

} // namespace toolkit::testing
