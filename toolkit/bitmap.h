// A picture from the library's own bitmap resources, shared by reference counting. Film strips
// stack several images vertically; drawing picks one by its source point.
#pragma once

#include "toolkit/color.h"
#include "toolkit/point.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>
#include <memory>

namespace toolkit {

namespace platform {
class Image;
}

class CDrawContext;

class CBitmap : public CReferenceCounter {
public:
    // An id without a resource leaves an empty bitmap that draws nothing.
    explicit CBitmap(std::int32_t resourceId);
    ~CBitmap() override;

    virtual void draw(CDrawContext* context, const CRect& dest, CPoint src = {});
    // Pixels of the transparent colour leave the destination untouched.
    virtual void drawTransparent(CDrawContext* context, const CRect& dest, CPoint src = {});
    virtual void drawAlphaBlend(CDrawContext* context, const CRect& dest, CPoint src = {},
                                std::uint8_t alpha = 128);
    virtual void unload();
    virtual bool loadFromResource(std::int32_t resourceId);
    // Bitmaps come from resources only.
    virtual bool loadFromPath(const char* path);

    std::int32_t getResourceID() const { return resourceId_; }
    std::int32_t getWidth() const { return width_; }
    std::int32_t getHeight() const { return height_; }
    bool isLoaded() const { return image_ != nullptr; }
    CColor getTransparentColor() const { return transparentColor_; }

private:
    std::int32_t resourceId_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    CColor transparentColor_ = kColorTransparent;
    std::unique_ptr<platform::Image> image_;
};

} // namespace toolkit
