// Processing, suspending and resuming never allocate. Every allocation of this executable goes
// through the counting replacements below, so it runs on its own.
#include "tests/engine/engine_rig.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void note() {
    if (counting.load(std::memory_order_relaxed)) {
        allocations.fetch_add(1, std::memory_order_relaxed);
    }
}

void* allocate(std::size_t size) {
    note();
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    note();
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    note();
    return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
// With glibc the C allocator itself can be wrapped too, catching malloc calls that bypass new.
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* malloc(std::size_t size) {
    note();
    return __libc_malloc(size);
}
void* calloc(std::size_t n, std::size_t size) {
    note();
    return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t size) {
    note();
    return __libc_realloc(p, size);
}
}
#define AMBERLOW_COUNTS_MALLOC 1
#endif

namespace {

class Counting {
public:
    Counting() {
        allocations = 0;
        counting = true;
    }
    ~Counting() { counting = false; }
    long count() const { return allocations.load(); }
};

TEST(EngineAllocations, TheCounterSeesAllocations) {
    {
        Counting c;
        delete new int(1);
        EXPECT_GE(c.count(), 1);
    }
#ifdef AMBERLOW_COUNTS_MALLOC
    {
        Counting c;
        void* (*volatile viaMalloc)(std::size_t) = &std::malloc;
        std::free(viaMalloc(16));
        EXPECT_EQ(c.count(), 1);
    }
#endif
}

template <typename T> void runEveryMode(EngineRig<T>& rig) {
    for (int mode : {kModeOff, kModeClear, kModeValve}) {
        rig.values.processMode = mode;
        for (int block : {1, 7, 64, 512, 4096}) {
            rig.run(block);
            rig.run(block, false, false);
        }
        rig.values.ratioIndex = 9;
        rig.run(333);
        rig.values.ratioIndex = 2;
        rig.engine.suspend();
        rig.engine.resume(96000.0);
        rig.engine.setChannelUse(false, true);
        rig.run(100);
        rig.engine.setChannelUse(true, true);
    }
}

TEST(EngineAllocations, NoneWhileProcessing) {
    EngineRig<float> single(kModeClear);
    EngineRig<double> twice(kModeClear);
    single.feed(whiteNoise<float>(8192, 1.0));
    twice.feed(whiteNoise<double>(8192, 1.0));

    Counting c;
    runEveryMode(single);
    runEveryMode(twice);
    EXPECT_EQ(c.count(), 0);
}

} // namespace
