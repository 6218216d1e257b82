#include "plugin/module_instance.h"

#include <atomic>

namespace {
std::atomic<void*> instance{nullptr};
}

void setModuleInstance(void* handle) {
    instance.store(handle, std::memory_order_relaxed);
}

void* moduleInstance() {
    return instance.load(std::memory_order_relaxed);
}
