// A view for tests that fills its size with one colour and records what reaches it.
#pragma once

#include "toolkit/draw_context.h"
#include "toolkit/view.h"

#include <string>
#include <vector>

namespace toolkit::testing {

inline constexpr CColor kGreen{0, 255, 0, 255};
inline constexpr CColor kBlue{0, 0, 255, 255};

class RecordingView : public CView {
public:
    RecordingView(const CRect& size, CColor color, std::vector<std::string>* log = nullptr,
                  std::string name = {})
        : CView(size), color_(color), log_(log), name_(std::move(name)) {}
    ~RecordingView() override { record("deleted"); }

    void draw(CDrawContext* context) override {
        context->setFillColor(color_);
        context->setFrameColor(color_);
        context->fillRect(size_);
        context->drawRect(size_);
        setDirty(false);
        ++draws;
    }
    void onMouseDown(CDrawContext*, const CPoint& where, std::int32_t buttons) override {
        lastPress = where;
        lastButtons = buttons;
        ++presses;
        record("press");
    }
    void loseFocus(CDrawContext*) override { record("loseFocus"); }
    std::int32_t onKeyDown(const CKeyCode&) override { return keyResult; }
    bool onWheel(CDrawContext*, const CPoint& where, float distance) override {
        lastPress = where;
        wheel = distance;
        return true;
    }

    int draws = 0;
    int presses = 0;
    CPoint lastPress{-1, -1};
    std::int32_t lastButtons = 0;
    std::int32_t keyResult = -1;
    float wheel = 0;

private:
    void record(const char* what) {
        if (log_) {
            log_->push_back(name_ + " " + what);
        }
    }

    CColor color_;
    std::vector<std::string>* log_;
    std::string name_;
};

} // namespace toolkit::testing
