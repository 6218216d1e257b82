#include "toolkit/platform/blit_library.h"

namespace toolkit::platform {

// Cairo blends and keys colours itself; there is no library to hold.
std::unique_ptr<BlitLibrary> loadBlitLibrary() {
    return std::make_unique<BlitLibrary>();
}

} // namespace toolkit::platform
