#include "toolkit/platform/headless/headless.h"

#include <deque>

namespace toolkit::headless {

namespace {

struct Input {
    PointerState current;
    std::deque<PointerState> queued;
    bool positionRead = false;
    bool buttonsRead = false;
    bool swapped = false;
    std::uint32_t ticks = 0;
    std::uint32_t doubleClickTime = 500;
};

Input& input() {
    static Input state;
    return state;
}

// Moves to the next queued state when what is asked for was already read from this one.
const PointerState& poll(bool Input::*read) {
    Input& in = input();
    if (in.*read && !in.queued.empty()) {
        in.current = in.queued.front();
        in.queued.pop_front();
        in.positionRead = false;
        in.buttonsRead = false;
    }
    in.*read = true;
    return in.current;
}

} // namespace

void setPointer(const PointerState& state) {
    input().current = state;
    input().positionRead = false;
    input().buttonsRead = false;
}

void queuePointer(const PointerState& state) {
    input().queued.push_back(state);
}

void resetInput() {
    input() = Input{};
}

void setButtonsSwapped(bool swapped) {
    input().swapped = swapped;
}

void setTicks(std::uint32_t ticks) {
    input().ticks = ticks;
}

void advanceTicks(std::uint32_t milliseconds) {
    input().ticks += milliseconds;
}

void setDoubleClickTime(std::uint32_t milliseconds) {
    input().doubleClickTime = milliseconds;
}

} // namespace toolkit::headless

namespace toolkit::platform {

PointerButtons pointerButtons() {
    return headless::poll(&headless::Input::buttonsRead).buttons;
}

CPoint cursorPosition() {
    return headless::poll(&headless::Input::positionRead).screen;
}

bool buttonsSwapped() {
    return headless::input().swapped;
}

std::uint32_t tickCount() {
    return headless::input().ticks;
}

std::uint32_t doubleClickTime() {
    return headless::input().doubleClickTime;
}

} // namespace toolkit::platform
