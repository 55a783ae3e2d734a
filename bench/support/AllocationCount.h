#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace quillset::bench {

// Heap allocations of the whole program so far: every benchmark program
// replaces operator new with one that counts.
std::size_t allocationsSoFar();

// Heap bytes held now, and the most held at once since resetHeapPeak().
std::size_t heapBytesNow();
std::size_t heapPeak();
void resetHeapPeak();

// Reports the allocations per iteration from here to the end of the
// benchmark as its "allocations" counter.
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state)
        : state_(state)
        , start_(allocationsSoFar()) {}
    ~AllocationCount() {
        state_.counters["allocations"] = benchmark::Counter(
            static_cast<double>(allocationsSoFar() - start_), benchmark::Counter::kAvgIterations);
    }
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

private:
    benchmark::State& state_;
    std::size_t start_;
};

} // namespace quillset::bench
