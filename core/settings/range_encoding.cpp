#include "core/settings/range_encoding.h"

namespace settings {
namespace {

// Computed in 64 bits: the range size of [INT32_MIN, INT32_MAX] does not fit in 32.
std::int64_t RangeSize(std::int32_t min, std::int32_t max) { return static_cast<std::int64_t>(max) - min + 1; }

std::int32_t Wrap32(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

}  // namespace

std::int32_t EncodeRanged(std::int32_t value, std::int32_t min, std::int32_t max) {
    if (min == max) return value;
    std::int64_t size = RangeSize(min, max);
    if (size == 0) return value;  // reversed bounds with size 0: nothing sensible to apply
    return Wrap32((static_cast<std::int64_t>(value) - min) % size);
}

std::int32_t DecodeRanged(std::int32_t stored, std::int32_t min, std::int32_t max) {
    if (min == max) return stored;
    std::int64_t size = RangeSize(min, max);
    if (size == 0) return stored;
    return Wrap32(static_cast<std::int64_t>(stored) % size + min);
}

}  // namespace settings
