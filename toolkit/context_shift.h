// Moves a drawing context's offset and screen offset into a child coordinate space for as long
// as the object lives, and back afterwards.
#pragma once

#include "toolkit/draw_context.h"

namespace toolkit {

class ContextShift {
public:
    ContextShift(CDrawContext* context, CPoint by)
        : context_(context), offset_(context ? context->getOffset() : CPoint()),
          screenOffset_(context ? context->getScreenOffset() : CPoint()) {
        if (context_) {
            context_->setOffset(CPoint(offset_).offset(by.h, by.v));
            context_->setScreenOffset(CPoint(screenOffset_).offset(by.h, by.v));
        }
    }
    ~ContextShift() {
        if (context_) {
            context_->setOffset(offset_);
            context_->setScreenOffset(screenOffset_);
        }
    }
    ContextShift(const ContextShift&) = delete;
    ContextShift& operator=(const ContextShift&) = delete;

private:
    CDrawContext* context_;
    CPoint offset_;
    CPoint screenOffset_;
};

} // namespace toolkit
