#include "toolkit/module_handle.h"

namespace toolkit {

namespace {
void* currentModule = nullptr;
}

void setModuleHandle(void* module) {
    currentModule = module;
}

void* moduleHandle() {
    return currentModule;
}

} // namespace toolkit
