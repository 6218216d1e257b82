// Access to the optional system blits (colour key and constant alpha). Each frame holds one
// reference while it lives; a back end without such a library returns a reference that holds
// nothing.
#pragma once

#include <memory>

namespace toolkit::platform {

class BlitLibrary {
public:
    virtual ~BlitLibrary() = default;
};

std::unique_ptr<BlitLibrary> loadBlitLibrary();

} // namespace toolkit::platform
