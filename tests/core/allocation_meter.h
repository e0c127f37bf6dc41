#pragma once
#include <cstddef>
#include <limits>

// Counts every byte the global operator new hands out in a program that links
// allocation_meter.cpp (which replaces it), so tests and benchmarks can tell how much
// memory a reader held, and can make allocations fail on purpose.
namespace allocation_meter {

std::size_t LiveBytes();
// The most held at once since the last ResetPeak.
std::size_t PeakBytes();
void ResetPeak();
// Allocations that would raise the live bytes above `limit` throw std::bad_alloc.
void FailAbove(std::size_t limit);

// The most memory held at once while `run` runs, above what was held before.
template <typename Run>
std::size_t PeakDuring(Run run) {
    const std::size_t before = LiveBytes();
    ResetPeak();
    run();
    return PeakBytes() - before;
}

// While it lives, allocations beyond `bytes` more than were live at its start fail.
class RefuseBeyond {
public:
    explicit RefuseBeyond(std::size_t bytes) { FailAbove(LiveBytes() + bytes); }
    ~RefuseBeyond() { FailAbove(std::numeric_limits<std::size_t>::max()); }
    RefuseBeyond(const RefuseBeyond&) = delete;
    RefuseBeyond& operator=(const RefuseBeyond&) = delete;
};

}  // namespace allocation_meter
