// A drawing context over a memory surface, used to compose a container's contents before they
// reach the screen in a single copy.
#pragma once

#include "toolkit/draw_context.h"

#include <memory>

namespace toolkit {

class COffscreenContext : public CDrawContext {
public:
    // The surface starts filled with the background colour.
    COffscreenContext(CFrame* frame, std::int32_t width, std::int32_t height,
                      CColor background = kColorBlack);
    ~COffscreenContext() override;

    // Copies dest's size from this surface at src to dest plus the destination's offset.
    void copyTo(CDrawContext* destination, const CRect& dest, CPoint src = {});

    std::int32_t getWidth() const { return width_; }
    std::int32_t getHeight() const { return height_; }
    CColor getBackgroundColor() const { return background_; }

private:
    std::unique_ptr<platform::Device> surface_;
    std::int32_t height_;
    std::int32_t width_;
    CColor background_;
};

} // namespace toolkit
