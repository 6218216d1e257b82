#include "toolkit/offscreen_context.h"

#include "toolkit/frame.h"
#include "toolkit/platform/device.h"

#include <algorithm>

namespace toolkit {

COffscreenContext::COffscreenContext(CFrame* frame, std::int32_t width, std::int32_t height,
                                     CColor background)
    : CDrawContext(frame, nullptr, nullptr), height_(height), width_(width),
      background_(background) {
    setClipStored(
        CRect(std::min(0, width), std::min(0, height), std::max(0, width), std::max(0, height)));
    surface_ = platform::createMemoryDevice(frame ? frame->getPlatformWindow() : nullptr,
                                            std::max(0, width), std::max(0, height));
    attachSystemContext(surface_.get());
    setFillColor(background);
    setFrameColor(background);
    const CRect all(0, 0, width, height);
    fillRect(all);
    drawRect(all);
}

COffscreenContext::~COffscreenContext() = default;

void COffscreenContext::copyTo(CDrawContext* destination, const CRect& dest, CPoint src) {
    if (!destination || !destination->getSystemContext() || !surface_) {
        return;
    }
    destination->getSystemContext()->copyFrom(*surface_, dest.offsetBy(destination->getOffset()),
                                              src);
}

} // namespace toolkit
