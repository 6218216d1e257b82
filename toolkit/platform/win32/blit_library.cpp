#include "toolkit/platform/blit_library.h"

#include "toolkit/platform/win32/blits.h"

namespace toolkit::win32 {

namespace {

AlphaBlit foundAlphaBlit = nullptr;
ColorKeyBlit foundColorKeyBlit = nullptr;
int holders = 0;

template <typename Function> Function lookUp(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Every frame looks the entry points up afresh. When the last holder lets the library go, the
// entry points are cleared first, so that nothing calls into an unloaded library.
class Msimg32 : public platform::BlitLibrary {
public:
    Msimg32() {
        foundAlphaBlit = nullptr;
        foundColorKeyBlit = nullptr;
        ++holders;
        library_ = LoadLibraryA("msimg32.dll");
        if (library_) {
            foundAlphaBlit = lookUp<AlphaBlit>(library_, "AlphaBlend");
            foundColorKeyBlit = lookUp<ColorKeyBlit>(library_, "TransparentBlt");
        }
    }
    ~Msimg32() override {
        if (--holders == 0) {
            foundAlphaBlit = nullptr;
            foundColorKeyBlit = nullptr;
        }
        if (library_) {
            FreeLibrary(library_);
        }
    }
    Msimg32(const Msimg32&) = delete;
    Msimg32& operator=(const Msimg32&) = delete;

private:
    HMODULE library_ = nullptr;
};

} // namespace

AlphaBlit alphaBlit() {
    return foundAlphaBlit;
}

ColorKeyBlit colorKeyBlit() {
    return foundColorKeyBlit;
}

} // namespace toolkit::win32

namespace toolkit::platform {

std::unique_ptr<BlitLibrary> loadBlitLibrary() {
    return std::make_unique<win32::Msimg32>();
}

} // namespace toolkit::platform
