#include "toolkit/platform/win32/module.h"

#include "toolkit/module_handle.h"

namespace toolkit::win32 {

HINSTANCE toolkitModule() {
    void* module = moduleHandle();
    return module ? static_cast<HINSTANCE>(module) : GetModuleHandleA(nullptr);
}

} // namespace toolkit::win32
