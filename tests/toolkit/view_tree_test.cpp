// Views and containers: ownership, drawing order, hit testing, event routing and coordinates.
#include "toolkit/bitmap.h"
#include "toolkit/buttons.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/platform/device.h"
#include "toolkit/view_container.h"

#include "headless_support.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

using testing::RecordingView;

using testing::kBlue;
using testing::kGreen;

using ViewTree = testing::FrameTest;

TEST_F(ViewTree, ContainerTakesOverTheCreatorsReferenceAndReleasesChildrenOnce) {
    auto* container = new CViewContainer(CRect(0, 0, 50, 50));
    auto* kept = new RecordingView(CRect(0, 0, 10, 10), kColorRed, &log, "kept");
    auto* dropped = new RecordingView(CRect(0, 0, 10, 10), kColorRed, &log, "dropped");
    auto* detached = new RecordingView(CRect(0, 0, 10, 10), kColorRed, &log, "detached");
    container->addView(kept);
    container->addView(dropped);
    container->addView(detached);
    EXPECT_EQ(kept->getNbReference(), 2);
    EXPECT_EQ(container->getViewCount(), 3);
    EXPECT_EQ(container->getView(1), dropped);
    EXPECT_EQ(container->getView(3), nullptr);

    EXPECT_TRUE(container->removeView(dropped, true));
    EXPECT_EQ(log, std::vector<std::string>{"dropped deleted"});
    EXPECT_TRUE(container->removeView(detached, false));
    EXPECT_FALSE(container->isChild(detached));
    EXPECT_EQ(detached->getNbReference(), 1) << "removed without forget: the creator's again";
    EXPECT_FALSE(container->removeView(detached, true)) << "not a child any more";

    container->forget();
    EXPECT_EQ(log, (std::vector<std::string>{"dropped deleted", "kept deleted"}));
    detached->forget();
    EXPECT_EQ(log.back(), "detached deleted");
}

TEST_F(ViewTree, LaterChildrenDrawOnTopAndTakeThePress) {
    RecordingView* under = add(CRect(10, 10, 60, 60), kColorRed, "under");
    RecordingView* over = add(CRect(40, 40, 90, 90), kGreen, "over");
    window->paint(CRect(0, 0, 200, 100));
    EXPECT_EQ(window->pixel({20, 20}), kColorRed);
    EXPECT_EQ(window->pixel({50, 50}), kGreen);

    window->press({50, 50}, testing::leftButton());
    EXPECT_EQ(log, std::vector<std::string>{"over press"});
    EXPECT_EQ(over->lastButtons, kButtonLeft) << "buttons read when the press arrived";
    EXPECT_EQ(under->lastPress, CPoint(-1, -1));
}

TEST_F(ViewTree, EveryEdgeOfTheMouseAreaIsInside) {
    RecordingView* view = add(CRect(10, 10, 60, 60), kColorRed, "view");
    for (const CPoint edge : {CPoint(10, 10), CPoint(60, 60), CPoint(60, 10), CPoint(10, 60)}) {
        log.clear();
        window->press(edge, testing::leftButton());
        EXPECT_EQ(log, std::vector<std::string>{"view press"}) << edge.h << "," << edge.v;
    }
    log.clear();
    window->press({61, 30}, testing::leftButton());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(frame->getViewAt({60, 60}), view);
    EXPECT_EQ(frame->getViewAt({61, 60}), nullptr);
}

TEST_F(ViewTree, PressesSkipDisabledViewsAndFollowTheMouseAreaNotTheSize) {
    RecordingView* under = add(CRect(10, 10, 60, 60), kColorRed, "under");
    auto* over = new RecordingView(CRect(10, 10, 60, 60), kGreen, &log, "over");
    frame->addViewWithArea(over, CRect(30, 30, 40, 40), false);
    window->press({35, 35}, testing::leftButton());
    window->press({20, 20}, testing::leftButton());
    EXPECT_EQ(log, (std::vector<std::string>{"under press", "under press"}));

    over->setMouseEnabled(true);
    log.clear();
    window->press({35, 35}, testing::leftButton());
    window->press({20, 20}, testing::leftButton());
    EXPECT_EQ(log, (std::vector<std::string>{"over press", "under press"}));
    EXPECT_EQ(under->getViewSize(), under->getMouseArea());
}

TEST_F(ViewTree, NestedContainersConvertCoordinatesOnTheWayDown) {
    auto* panel = new CViewContainer(CRect(50, 20, 150, 80));
    frame->addView(panel);
    auto* inner = new RecordingView(CRect(10, 10, 30, 30), kBlue, &log, "inner");
    panel->addView(inner);

    window->press({65, 35}, testing::leftButton());
    EXPECT_EQ(inner->lastPress, CPoint(15, 15));
    EXPECT_EQ(inner->frameToLocal({65, 35}), CPoint(15, 15));
    EXPECT_EQ(inner->localToFrame({15, 15}), CPoint(65, 35));
    EXPECT_EQ(frame->getViewAt({65, 35}, false), panel);
    EXPECT_EQ(frame->getViewAt({65, 35}, true), inner);
    EXPECT_EQ(frame->getViewAt({55, 25}, true), panel) << "no child there: the container";

    auto* context = frame->createDrawContext();
    headless::setPointer({CPoint(300 + 70, 200 + 40), {}});
    EXPECT_EQ(inner->getMouseLocation(context), CPoint(20, 20)) << "in the panel's coordinates";
    EXPECT_EQ(context->getOffset(), CPoint(0, 0)) << "the context is left as it was";
    context->forget();

    window->paint(CRect(0, 0, 200, 100));
    EXPECT_EQ(window->pixel({62, 32}), kBlue);
    EXPECT_EQ(window->pixel({85, 55}), kColorBlack) << "the panel's own background";
}

TEST_F(ViewTree, KeysGoToTheTopmostChildThatHandlesThem) {
    RecordingView* first = add(CRect(0, 0, 10, 10), kColorRed, "first");
    RecordingView* second = add(CRect(0, 0, 10, 10), kColorRed, "second");
    auto* panel = new CViewContainer(CRect(0, 0, 50, 50));
    panel->addView(first);
    first->remember();
    frame->removeView(first, false);
    panel->addView(second);
    second->remember();
    frame->removeView(second, false);
    first->keyResult = 7;
    EXPECT_EQ(panel->onKeyDown(CKeyCode{}), 7);
    second->keyResult = 3;
    EXPECT_EQ(panel->onKeyDown(CKeyCode{}), 3);
    first->keyResult = second->keyResult = -1;
    EXPECT_EQ(panel->onKeyDown(CKeyCode{}), -1);
    panel->forget();
    first->forget();
    second->forget();
}

TEST_F(ViewTree, OnlyVisibleDirtyChildrenMakeAContainerDirty) {
    auto* panel = new CViewContainer(CRect(0, 0, 50, 50));
    auto* outside = new RecordingView(CRect(60, 60, 70, 70), kColorRed);
    auto* inside = new RecordingView(CRect(10, 10, 20, 20), kColorRed);
    panel->addView(outside);
    panel->addView(inside);
    panel->setDirty(false);
    inside->setDirty(false);
    EXPECT_FALSE(panel->isDirty()) << "a dirty child outside the container does not count";
    inside->setDirty(true);
    EXPECT_TRUE(panel->isDirty());
    panel->forget();
}

TEST_F(ViewTree, PartialRedrawPaintsOnlyTheUpdateArea) {
    add(CRect(0, 0, 200, 100), kColorRed, "all");
    window->paint(CRect(10, 10, 20, 20));
    EXPECT_EQ(window->pixel({15, 15}), kColorRed);
    EXPECT_EQ(window->pixel({25, 25}), kColorBlack);
    EXPECT_EQ(window->pixel({9, 9}), kColorBlack);
}

TEST_F(ViewTree, ABackgroundBitmapIsSharedAndReleasedByEachHolder) {
    auto* bitmap = new CBitmap(101);
    auto* one = new RecordingView(CRect(0, 0, 2, 2), kColorRed);
    auto* two = new RecordingView(CRect(0, 0, 2, 2), kColorRed);
    one->setBackground(bitmap);
    two->setBackground(bitmap);
    one->setBackground(bitmap);
    EXPECT_EQ(bitmap->getNbReference(), 3);
    one->forget();
    two->forget();
    EXPECT_EQ(bitmap->getNbReference(), 1);
    bitmap->forget();
}

TEST_F(ViewTree, ContainerBackgroundBitmapIsDrawnFromItsOffset) {
    auto* bitmap = new CBitmap(101);
    frame->setBackground(bitmap);
    bitmap->forget();
    frame->setBackgroundOffset({0, 2});
    window->paint(CRect(0, 0, 200, 100));
    EXPECT_EQ(window->pixel({0, 0}), kGreen);
    EXPECT_EQ(window->pixel({1, 3}), kBlue);
    EXPECT_EQ(window->pixel({2, 0}), kColorBlack);
}

TEST_F(ViewTree, TypeNamesIncludeEveryBase) {
    auto* view = new CView(CRect());
    EXPECT_TRUE(view->isTypeOf("CView"));
    EXPECT_FALSE(view->isTypeOf("CViewContainer"));
    EXPECT_TRUE(frame->isTypeOf("CFrame"));
    EXPECT_TRUE(frame->isTypeOf("CViewContainer"));
    EXPECT_TRUE(frame->isTypeOf("CView"));
    EXPECT_FALSE(frame->isTypeOf("CFram"));
    view->forget();
}

class DragTarget : public RecordingView {
public:
    using RecordingView::RecordingView;
    void onDragEnter(CDrawContext*, CDragContainer*, const CPoint&) override { events += "E"; }
    void onDragLeave(CDrawContext*, CDragContainer*, const CPoint&) override { events += "L"; }
    void onDragMove(CDrawContext*, CDragContainer*, const CPoint&) override { events += "M"; }
    bool onDrop(CDrawContext*, CDragContainer*, const CPoint&) override {
        events += "D";
        return true;
    }
    std::string events;
};

TEST_F(ViewTree, DragsFollowThePointerFromChildToChild) {
    auto* a = new DragTarget(CRect(0, 0, 10, 10), kColorRed);
    auto* b = new DragTarget(CRect(20, 0, 30, 10), kColorRed);
    frame->addView(a);
    frame->addView(b);
    auto* context = frame->createDrawContext();
    frame->onDragEnter(context, nullptr, {5, 5});
    frame->onDragMove(context, nullptr, {6, 5});
    frame->onDragMove(context, nullptr, {25, 5});
    EXPECT_TRUE(frame->onDrop(context, nullptr, {25, 5}));
    EXPECT_EQ(a->events, "EML");
    EXPECT_EQ(b->events, "EDL");
    context->forget();
}

} // namespace
} // namespace toolkit
