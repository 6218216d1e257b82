#include "toolkit/bitmap.h"

#include "toolkit/draw_context.h"
#include "toolkit/platform/device.h"

namespace toolkit {

CBitmap::CBitmap(std::int32_t resourceId) : resourceId_(resourceId) {
    loadFromResource(resourceId);
}

CBitmap::~CBitmap() {
    unload();
}

void CBitmap::unload() {
    image_.reset();
    width_ = 0;
    height_ = 0;
}

bool CBitmap::loadFromResource(std::int32_t resourceId) {
    unload();
    resourceId_ = resourceId;
    image_ = platform::loadImage(resourceId & 0xFFFF);
    if (!image_) {
        return false;
    }
    width_ = image_->width();
    height_ = image_->height();
    return true;
}

bool CBitmap::loadFromPath(const char*) {
    unload();
    return false;
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, CPoint src) {
    if (image_ && context && context->getSystemContext()) {
        context->getSystemContext()->drawImage(*image_, dest.offsetBy(context->getOffset()), src);
    }
}

void CBitmap::drawTransparent(CDrawContext* context, const CRect& dest, CPoint src) {
    if (image_ && context && context->getSystemContext()) {
        context->getSystemContext()->drawImageKeyed(*image_, dest.offsetBy(context->getOffset()),
                                                    src, transparentColor_);
    }
}

void CBitmap::drawAlphaBlend(CDrawContext* context, const CRect& dest, CPoint src,
                             std::uint8_t alpha) {
    if (image_ && context && context->getSystemContext()) {
        context->getSystemContext()->drawImageBlended(*image_, dest.offsetBy(context->getOffset()),
                                                      src, alpha);
    }
}

} // namespace toolkit
