#include "toolkit/platform/win32/gdi_image.h"

#include "toolkit/platform/win32/module.h"

namespace toolkit::platform {

std::unique_ptr<Image> loadImage(std::int32_t resourceId) {
    HBITMAP bitmap =
        LoadBitmapA(win32::toolkitModule(), MAKEINTRESOURCEA(static_cast<WORD>(resourceId)));
    if (!bitmap) {
        return nullptr;
    }
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return std::make_unique<win32::GdiImage>(bitmap, info.bmWidth, info.bmHeight);
}

} // namespace toolkit::platform
