// The control base: dirty logic, reset to default, double clicks, clamping, and a press
// tracked to its release by the scripted pointer.
#include "toolkit/buttons.h"
#include "toolkit/control.h"
#include "toolkit/control_listener.h"

#include "headless_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace toolkit {
namespace {

using ::testing::_;
using ::testing::Invoke;
using ::testing::Return;

// A horizontal slider that follows the press protocol every control follows.
class Slider : public CControl {
public:
    using CControl::CControl;
    void draw(CDrawContext*) override {
        ++draws;
        setDirty(false);
    }
    void onMouseDown(CDrawContext* context, const CPoint& where, std::int32_t buttons) override {
        if (!isMouseEnabled()) {
            return;
        }
        if (buttons == kButtonsUnknown) {
            buttons = CDrawContext::getMouseButtons();
        }
        if (listener_ && (buttons & kAnyModifier) &&
            listener_->modifierClicked(context, this, buttons)) {
            return;
        }
        if (!(buttons & kButtonLeft) || resetToDefault(context, buttons)) {
            return;
        }
        beginEdit();
        CPoint point = where;
        do {
            value_ = static_cast<float>(point.h - size_.left) / static_cast<float>(size_.width());
            clampValue();
            if (isDirty() && listener_) {
                listener_->valueChanged(context, this);
            }
            point = getMouseLocation(context);
            runIdle();
        } while (CDrawContext::getMouseButtons() & kButtonLeft);
        endEdit();
    }
    int draws = 0;
};

class Listener : public CControlListener {
public:
    MOCK_METHOD(void, valueChanged, (CDrawContext*, CControl*), (override));
    MOCK_METHOD(std::int32_t, modifierClicked, (CDrawContext*, CControl*, std::int32_t),
                (override));
};

class Control : public testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        slider = new Slider(CRect(0, 0, 100, 10), &listener, 7);
        frame->addView(slider);
        ON_CALL(editor, doIdleStuff()).WillByDefault(Invoke([this] { frame->idle(); }));
        ON_CALL(editor, beginEdit(_)).WillByDefault(Invoke([this](std::int32_t tag) {
            log.push_back("begin " + std::to_string(tag));
        }));
        ON_CALL(editor, endEdit(_)).WillByDefault(Invoke([this](std::int32_t tag) {
            log.push_back("end " + std::to_string(tag));
        }));
        ON_CALL(listener, valueChanged(_, _))
            .WillByDefault(Invoke([this](CDrawContext*, CControl* c) {
                log.push_back("changed " + std::to_string(std::lround(c->getValue() * 100)));
            }));
        window->paint(CRect(0, 0, 200, 100));
    }
    // A pointer state at frame position h, v.
    headless::PointerState at(std::int32_t h, std::int32_t v, bool left) const {
        return {CPoint(host.screenRect.left + h, host.screenRect.top + v),
                left ? testing::leftButton() : testing::noButtons()};
    }

    ::testing::NiceMock<Listener> listener;
    Slider* slider = nullptr;
};

TEST_F(Control, ChangesItsValueMakeItDirtyAndDrawingMakesItClean) {
    auto* fresh = new Slider(CRect(0, 0, 10, 10), nullptr, 1);
    EXPECT_TRUE(fresh->isDirty());
    EXPECT_EQ(fresh->getOldValue(), -1.0f);
    auto* context = frame->createDrawContext();
    fresh->draw(context);
    EXPECT_FALSE(fresh->isDirty());
    EXPECT_EQ(fresh->getOldValue(), 0.0f);
    fresh->setValue(0.5f);
    EXPECT_TRUE(fresh->isDirty()) << "no flag needed: the value differs";

    fresh->setValue(-1.0f);
    fresh->setDirty(true);
    EXPECT_EQ(fresh->getOldValue(), 0.0f) << "differs from a value of -1";
    fresh->draw(context);
    fresh->setValue(std::numeric_limits<float>::quiet_NaN());
    fresh->setOldValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(fresh->isDirty()) << "an unordered comparison counts as a change";
    context->forget();
    fresh->forget();
}

TEST_F(Control, IdleRedrawsAControlWhoseValueWasSetFromOutside) {
    frame->idle();
    const int draws = slider->draws;
    slider->setValue(0.25f);
    EXPECT_CALL(listener, valueChanged(_, _)).Times(0);
    frame->idle();
    EXPECT_EQ(slider->draws, draws + 1);
}

TEST_F(Control, ControlLeftClickResetsToTheDefaultInsideOneEdit) {
    slider->setValue(0.2f);
    slider->setDefaultValue(0.5f);
    auto* context = frame->createDrawContext();
    EXPECT_FALSE(slider->resetToDefault(context, kModControl | kModShift | kButtonLeft));
    EXPECT_FALSE(slider->resetToDefault(context, kModControl | kButtonRight));
    EXPECT_FLOAT_EQ(slider->getValue(), 0.2f);

    EXPECT_TRUE(slider->resetToDefault(context, kModControl | kButtonLeft));
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_EQ(log, (std::vector<std::string>{"begin 7", "changed 50", "end 7"}));
    EXPECT_EQ(frame->getFocusView(), slider) << "an edit makes the control the focus view";
    context->forget();
}

TEST_F(Control, AListenerThatTakesAModifierClickEndsThePress) {
    platform::PointerButtons shifted = testing::leftButton();
    shifted.shift = true;
    EXPECT_CALL(listener, modifierClicked(_, slider, kButtonLeft | kModShift)).WillOnce(Return(1));
    window->press({50, 5}, shifted);
    EXPECT_TRUE(log.empty());
}

TEST_F(Control, DoubleClicksUseAtLeastAQuarterSecondAndNeverChainAThird) {
    headless::setDoubleClickTime(100);
    auto* clicked = new Slider(CRect(0, 0, 10, 10), nullptr, 2);
    frame->addView(clicked);
    struct Click {
        std::uint32_t at;
        bool doubled;
    };
    for (const Click click : {Click{1000, false}, Click{1200, true}, Click{1400, false},
                              Click{1700, false}, Click{1949, true}}) {
        headless::setTicks(click.at);
        EXPECT_EQ(clicked->isDoubleClick(), click.doubled) << click.at;
    }

    auto* loose = new Slider(CRect(0, 0, 10, 10), nullptr, 3);
    EXPECT_FALSE(loose->isDoubleClick());
    EXPECT_FALSE(loose->isDoubleClick()) << "without a frame there is no clock";
    loose->forget();
}

TEST_F(Control, ClampingKeepsTheValueInRange) {
    struct Case {
        float value;
        float clamped;
    };
    for (const Case c : {Case{1.3f, 1.0f}, Case{-0.2f, 0.0f}, Case{0.4f, 0.4f}}) {
        slider->setValue(c.value);
        slider->clampValue();
        EXPECT_FLOAT_EQ(slider->getValue(), c.clamped) << c.value;
    }
    slider->setMax(0.8f);
    slider->setValue(0.9f);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.9f) << "setValue does not clamp";
}

TEST_F(Control, APressIsTrackedUntilTheButtonIsReleased) {
    headless::queuePointer(at(20, 5, true));
    headless::queuePointer(at(50, 5, true));
    headless::queuePointer(at(50, 5, true));
    headless::queuePointer(at(80, 5, false));
    EXPECT_CALL(editor, doIdleStuff()).Times(4);
    window->press({10, 5}, testing::leftButton());

    EXPECT_EQ(log, (std::vector<std::string>{"begin 7", "changed 10", "changed 20", "changed 50",
                                             "end 7"}));
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_FALSE(slider->isDirty()) << "the idle pass redrew it during the drag";
}

TEST_F(Control, TheBackgroundOffsetCanFollowThePosition) {
    auto* placed = new Slider(CRect(30, 40, 50, 60), nullptr, 4);
    placed->alignBackOffset();
    EXPECT_EQ(placed->getBackOffset(), CPoint(30, 40));
    EXPECT_TRUE(placed->isTypeOf("CControl"));
    EXPECT_TRUE(placed->isTypeOf("CView"));
    EXPECT_FALSE(placed->isTypeOf("CViewContainer"));
    placed->forget();
}

} // namespace
} // namespace toolkit
