// The frame: modal view, focus and tab order, idle redraws, resizing, the window's messages,
// and a whole frame rendered to a PNG.
#include "toolkit/bitmap.h"
#include "toolkit/buttons.h"
#include "toolkit/offscreen_context.h"

#include "headless_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace toolkit {
namespace {

using testing::RecordingView;
using ::testing::Return;

using testing::kBlue;
using testing::kGreen;

class Frame : public testing::FrameTest {
protected:
    static CKeyCode tab(bool shift = false) {
        CKeyCode key;
        key.virt = kVirtualKeyTab;
        key.modifier = shift ? kKeyModifierShift : 0;
        return key;
    }
};

TEST_F(Frame, ASecondModalViewIsRefusedUntilTheFirstIsCleared) {
    auto* a = new RecordingView(CRect(0, 0, 50, 50), kColorRed, &log, "a");
    auto* b = new RecordingView(CRect(0, 0, 50, 50), kColorRed, &log, "b");
    EXPECT_TRUE(frame->setModalView(a));
    EXPECT_FALSE(frame->setModalView(b));
    EXPECT_EQ(frame->getModalView(), a);
    EXPECT_TRUE(frame->isChild(a));
    EXPECT_FALSE(frame->isChild(b));

    EXPECT_TRUE(frame->setModalView(nullptr));
    EXPECT_FALSE(frame->isChild(a));
    EXPECT_EQ(a->getNbReference(), 1) << "removed without forget: its creator releases it";
    EXPECT_TRUE(frame->setModalView(b));
    a->forget();
    // The frame lets a modal view go without forget; its creator keeps the reference.
    delete frame;
    frame = nullptr;
    EXPECT_EQ(b->getNbReference(), 1);
    b->forget();
    frame = new CFrame(CRect(0, 0, 200, 100), &host, &editor);
}

TEST_F(Frame, AModalContainerMayOutliveTheFrame) {
    auto* modal = new CViewContainer(CRect(0, 0, 50, 50));
    modal->addView(new RecordingView(CRect(0, 0, 10, 10), kColorRed, &log, "inside"));
    frame->setModalView(modal);
    EXPECT_EQ(modal->getFrame(), frame);
    delete frame;
    frame = nullptr;
    EXPECT_EQ(modal->getFrame(), nullptr);
    EXPECT_EQ(modal->getParentView(), nullptr);
    modal->forget();
    EXPECT_EQ(log, std::vector<std::string>{"inside deleted"});
    frame = new CFrame(CRect(0, 0, 200, 100), &host, &editor);
}

TEST_F(Frame, TheModalViewTakesEveryPressItAcceptsAndNothingElseGetsOne) {
    add(CRect(0, 0, 200, 100), kColorRed, "background");
    auto* modal = new RecordingView(CRect(50, 20, 100, 60), kGreen, &log, "modal");
    frame->setModalView(modal);
    window->press({60, 30}, testing::leftButton());
    window->press({10, 10}, testing::leftButton());
    EXPECT_EQ(log, std::vector<std::string>{"modal press"});
    EXPECT_EQ(frame->getCurrentView(), modal);

    window->paint(CRect(0, 0, 200, 100));
    EXPECT_EQ(window->pixel({60, 30}), kGreen) << "the modal view draws over the others";
    EXPECT_EQ(frame->advanceFocus(nullptr, false), false);
    frame->setModalView(nullptr);
    modal->forget();
}

TEST_F(Frame, IdleDrawsNothingBeforeTheFirstPaint) {
    add(CRect(0, 0, 20, 20), kColorRed, "view");
    frame->idle();
    EXPECT_EQ(window->pixel({10, 10}), kColorBlack);
    window->paint(CRect(0, 0, 200, 100));
    EXPECT_EQ(window->pixel({10, 10}), kColorRed);

    RecordingView* late = add(CRect(30, 0, 50, 20), kBlue, "late");
    frame->idle();
    EXPECT_EQ(window->pixel({40, 10}), kBlue);
    EXPECT_EQ(late->draws, 1);
    frame->idle();
    EXPECT_EQ(late->draws, 1) << "clean views are not redrawn";
    frame->invalidate(CRect(50, 20, 60, 30));
    frame->idle();
    EXPECT_EQ(late->draws, 2) << "touching the corner is enough";
}

TEST_F(Frame, UpdatesCanBeDisabledAndAClosedWindowIsLeftAlone) {
    window->paint(CRect(0, 0, 200, 100));
    RecordingView* view = add(CRect(0, 0, 20, 20), kColorRed, "view");
    EXPECT_FALSE(frame->setUpdatesDisabled(true));
    frame->idle();
    EXPECT_EQ(view->draws, 0);
    EXPECT_TRUE(frame->setUpdatesDisabled(false));

    window->destroyFromOutside();
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(frame->getParentWindow(), nullptr);
    frame->idle();
    EXPECT_EQ(view->draws, 0);
    std::int32_t x = 0;
    std::int32_t y = 0;
    EXPECT_FALSE(frame->getPosition(x, y));
    EXPECT_FALSE(frame->setSize(300, 300));
}

TEST_F(Frame, SetSizeRefusesTheCurrentSizeAndAsksTheHostFirst) {
    EXPECT_CALL(editor, canHostSizeWindow()).Times(0);
    EXPECT_FALSE(frame->setSize(200, 100));
    ::testing::Mock::VerifyAndClearExpectations(&editor);

    EXPECT_CALL(editor, canHostSizeWindow()).WillOnce(Return(true));
    EXPECT_CALL(editor, sizeWindow(300, 150)).WillOnce(Return(true));
    EXPECT_TRUE(frame->setSize(300, 150));
    EXPECT_EQ(frame->getViewSize(), CRect(0, 0, 300, 150));
    EXPECT_EQ(frame->getPlatformWindow()->screenRect(), CRect(300, 200, 600, 350));

    EXPECT_CALL(editor, canHostSizeWindow()).WillOnce(Return(false));
    EXPECT_TRUE(frame->setSize(120, 80));
    EXPECT_EQ(host.screenRect, CRect(300, 200, 420, 280)) << "resized its own windows";
    CRect parent;
    EXPECT_TRUE(frame->getParentRect(parent));
    EXPECT_EQ(parent, host.screenRect);
}

TEST_F(Frame, RemovingTheFocusViewClearsTheFocusBeforeTheViewIsReleased) {
    RecordingView* field = add(CRect(0, 0, 20, 20), kColorRed, "field", true);
    frame->setFocusView(field);
    EXPECT_EQ(frame->getFocusView(), field);
    frame->removeView(field);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"field loseFocus", "field deleted"}));
}

TEST_F(Frame, APressClearsTheFocus) {
    RecordingView* field = add(CRect(0, 0, 20, 20), kColorRed, "field", true);
    frame->setFocusView(field);
    field->setDirty(false);
    window->press({150, 50}, testing::leftButton());
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_TRUE(field->isDirty()) << "a view that wants focus redraws when it loses it";
}

TEST_F(Frame, TabMovesTheFocusAlongTheViewsThatWantIt) {
    RecordingView* a = add(CRect(0, 0, 10, 10), kColorRed, "a", true);
    add(CRect(0, 0, 10, 10), kColorRed, "plain");
    RecordingView* c = add(CRect(0, 0, 10, 10), kColorRed, "c", true);
    RecordingView* d = add(CRect(0, 0, 10, 10), kColorRed, "d", true);

    EXPECT_EQ(frame->onKeyDown(tab()), 1);
    EXPECT_EQ(frame->getFocusView(), a);
    EXPECT_EQ(frame->onKeyDown(tab()), 1);
    EXPECT_EQ(frame->getFocusView(), c);
    EXPECT_EQ(frame->onKeyDown(tab()), 1);
    EXPECT_EQ(frame->getFocusView(), d);
    EXPECT_EQ(frame->onKeyDown(tab(true)), 1);
    EXPECT_EQ(frame->getFocusView(), c);
    frame->setFocusView(d);
    EXPECT_EQ(frame->onKeyDown(tab()), -1) << "past the last one";
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(Frame, KeysGoToTheFocusViewThenToTheModalView) {
    RecordingView* field = add(CRect(0, 0, 10, 10), kColorRed, "field", true);
    auto* modal = new RecordingView(CRect(0, 0, 10, 10), kColorRed);
    frame->setFocusView(field);
    frame->setModalView(modal);
    modal->keyResult = 5;
    EXPECT_EQ(frame->onKeyDown(CKeyCode{}), 5);
    field->keyResult = 9;
    EXPECT_EQ(frame->onKeyDown(CKeyCode{}), 9);
    EXPECT_EQ(frame->onKeyDown(tab()), 9) << "a handled tab does not move the focus";
    EXPECT_EQ(frame->onKeyUp(CKeyCode{}), -1);
    frame->setModalView(nullptr);
    modal->forget();
}

TEST_F(Frame, WheelStepsGoToTheViewUnderThePointerOrTheModalView) {
    RecordingView* view = add(CRect(100, 50, 150, 90), kColorRed, "view");
    window->wheel({120, 60}, 0.5f);
    EXPECT_FLOAT_EQ(view->wheel, 0.5f);
    EXPECT_EQ(view->lastPress, CPoint(120, 60));
    EXPECT_FALSE(frame->onWheel(nullptr, {10, 10}, 1.0f)) << "nothing there";

    auto* modal = new RecordingView(CRect(0, 0, 10, 10), kColorRed);
    frame->setModalView(modal);
    window->wheel({120, 60}, -2.0f);
    EXPECT_FLOAT_EQ(modal->wheel, -2.0f);
    frame->setModalView(nullptr);
    modal->forget();
}

TEST_F(Frame, EditSignalsIdleAndTicksReachTheEditor) {
    EXPECT_CALL(editor, beginEdit(4));
    EXPECT_CALL(editor, endEdit(4));
    EXPECT_CALL(editor, doIdleStuff());
    EXPECT_CALL(editor, getKnobMode()).WillOnce(Return(2));
    frame->beginEdit(4);
    frame->endEdit(4);
    frame->runIdle();
    EXPECT_EQ(frame->getKnobMode(), 2);
    headless::setTicks(1234);
    EXPECT_EQ(frame->getTicks(), 1234u);

    CFrame orphan(CRect(0, 0, 10, 10), nullptr, nullptr);
    EXPECT_EQ(orphan.getTicks(), 0u);
    EXPECT_EQ(orphan.getKnobMode(), 0);
    EXPECT_EQ(orphan.getPlatformWindow(), nullptr);
    orphan.runIdle();
}

TEST_F(Frame, AParentHandleFromARealHostGetsAWindowAtTheOrigin) {
    int foreignHandle = 0;
    CFrame other(CRect(0, 0, 30, 20), &foreignHandle, nullptr);
    ASSERT_NE(other.getPlatformWindow(), nullptr);
    EXPECT_EQ(other.getPlatformWindow()->screenRect(), CRect(0, 0, 30, 20));
    EXPECT_EQ(foreignHandle, 0);
}

TEST_F(Frame, CursorKindsShowTheirShapeAndOthersRestoreTheSavedOne) {
    frame->setCursor(kCursorHand);
    EXPECT_EQ(headless::shownCursorKind(), kCursorHand);
    frame->setCursor(kCursorVSize);
    EXPECT_EQ(headless::shownCursorKind(), kCursorVSize);
    frame->setCursor(kCursorDefault);
    EXPECT_EQ(headless::shownCursorKind(), 0);
    frame->setCursor(kCursorWait);
    delete frame;
    frame = nullptr;
    EXPECT_EQ(headless::shownCursorKind(), 0) << "closing restores the cursor";
    frame = new CFrame(CRect(0, 0, 200, 100), &host, &editor);
}

TEST_F(Frame, TheCurrentViewFollowsThePointer) {
    RecordingView* view = add(CRect(10, 10, 20, 20), kColorRed, "view");
    headless::setPointer({CPoint(315, 215), {}});
    EXPECT_EQ(frame->getCurrentLocation(), CPoint(15, 15));
    EXPECT_EQ(frame->getCurrentView(), view);
    headless::setPointer({CPoint(330, 215), {}});
    EXPECT_EQ(frame->getCurrentView(), nullptr);
    std::int32_t x = 0;
    std::int32_t y = 0;
    EXPECT_TRUE(frame->getPosition(x, y));
    EXPECT_EQ(CPoint(x, y), CPoint(300, 200));
}

TEST_F(Frame, RendersToAPngAsTheDrawingCallsSay) {
    class Panel : public CView {
    public:
        using CView::CView;
        void draw(CDrawContext* context) override {
            context->setFillColor(kBlue);
            context->setFrameColor(kColorWhite);
            context->fillRect(size_);
            context->drawRect(size_);
            context->moveTo({size_.left, size_.bottom + 4});
            context->lineTo({size_.right, size_.bottom + 4});
            context->setFontColor(kColorWhite);
            context->setFont(kFontNormal);
            context->drawString("Amberlow", CRect(size_).offset(0, 30), false, kAlignLeft);
            setDirty(false);
        }
    };
    auto* strip = new CBitmap(101);
    frame->setBackground(strip);
    strip->forget();
    frame->addView(new Panel(CRect(20, 10, 120, 40)));
    auto* keyed = new CView(CRect(150, 10, 154, 12));
    auto* picture = new CBitmap(100);
    keyed->setBackground(picture);
    picture->forget();
    keyed->setTransparency(true);
    frame->addView(keyed);
    window->paint(CRect(0, 0, 200, 100));

    EXPECT_EQ(window->pixel({0, 0}), kColorRed) << "background bitmap";
    EXPECT_EQ(window->pixel({20, 10}), kColorWhite) << "outline";
    EXPECT_EQ(window->pixel({60, 25}), kBlue) << "fill";
    EXPECT_EQ(window->pixel({20, 44}), kColorWhite) << "line";
    EXPECT_EQ(window->pixel({120, 44}), kColorBlack) << "without its end pixel";
    EXPECT_EQ(window->pixel({150, 10}), kColorBlack) << "white is the colour key";
    EXPECT_EQ(window->pixel({152, 10}), kColorRed);

    // Left beside the test binary for inspection: the window, and the frame's offscreen.
    for (const auto& [name, written] :
         {std::pair{"toolkit_frame.png", window->writePng("toolkit_frame.png")},
          std::pair{"toolkit_frame_offscreen.png",
                    headless::writePng(*frame->getOffscreen()->getSystemContext(),
                                       "toolkit_frame_offscreen.png")}}) {
        ASSERT_TRUE(written) << name;
        EXPECT_GT(std::filesystem::file_size(name), 100u) << name;
    }
}

} // namespace
} // namespace toolkit
