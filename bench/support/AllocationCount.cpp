#include "bench/support/AllocationCount.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

std::size_t allocations = 0;
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void release(void* p) noexcept {
    if (p != nullptr)
        liveBytes -= malloc_usable_size(p);
    std::free(p);
}

} // namespace

[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    liveBytes += malloc_usable_size(p);
    peakBytes = std::max(peakBytes, liveBytes);
    return p;
}

[[gnu::noinline]] void operator delete(void* p) noexcept {
    release(p);
}

[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    release(p);
}

namespace quillset::bench {

std::size_t allocationsSoFar() {
    return allocations;
}

std::size_t heapBytesNow() {
    return liveBytes;
}

std::size_t heapPeak() {
    return peakBytes;
}

void resetHeapPeak() {
    peakBytes = liveBytes;
}

} // namespace quillset::bench
