// How long each hostile file takes to open, and the most heap memory that
// opening it holds at once (the "heap_peak_MB" counter, counted by the
// allocation functions below; "file_MB" is the file itself).
#include "document/FolioSession.h"
#include "model/Reporter.h"
#include "tests/support/HostileFiles.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

namespace {

std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void* allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    liveBytes += malloc_usable_size(p);
    peakBytes = std::max(peakBytes, liveBytes);
    return p;
}

void release(void* p) noexcept {
    if (p != nullptr) {
        liveBytes -= malloc_usable_size(p);
        std::free(p);
    }
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}

namespace {

using namespace quillset;

class SilentReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

void openFile(benchmark::State& state, const std::string& file) {
    SilentReporter reporter;
    const std::size_t before = liveBytes;
    peakBytes = liveBytes;
    for (auto _ : state) {
        FolioSession session;
        session.openBytes(file, reporter);
        benchmark::DoNotOptimize(session.script().data());
    }
    state.counters["heap_peak_MB"] = static_cast<double>(peakBytes - before) / 1e6;
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}

// Registered at start-up, one benchmark a file, named for what it holds.
const bool registered = [] {
    for (auto& file : testing::hostileFiles()) {
        std::string name = file.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        benchmark::RegisterBenchmark(name.c_str(), openFile, std::move(file.bytes))
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
