#include "tests/core/allocation_meter.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace allocation_meter {
namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
std::atomic<std::size_t> failAbove{std::numeric_limits<std::size_t>::max()};

// Each block carries its size in front, so a release knows what it gives back.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
    if (size > failAbove - std::min<std::size_t>(failAbove, liveBytes)) throw std::bad_alloc();
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes += size;
    std::size_t peak = peakBytes;
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block + kHeader;
}

void Release(void* pointer) {
    if (!pointer) return;
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    liveBytes -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

}  // namespace

std::size_t LiveBytes() { return liveBytes; }
std::size_t PeakBytes() { return peakBytes; }
void ResetPeak() { peakBytes = static_cast<std::size_t>(liveBytes); }
void FailAbove(std::size_t limit) { failAbove = limit; }

}  // namespace allocation_meter

void* operator new(std::size_t size) { return allocation_meter::Allocate(size); }
void* operator new[](std::size_t size) { return allocation_meter::Allocate(size); }
void operator delete(void* pointer) noexcept { allocation_meter::Release(pointer); }
void operator delete[](void* pointer) noexcept { allocation_meter::Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { allocation_meter::Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { allocation_meter::Release(pointer); }
// The library's temporary buffers (std::stable_sort) come through the non-throwing forms.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocation_meter::Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { allocation_meter::Release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { allocation_meter::Release(pointer); }
