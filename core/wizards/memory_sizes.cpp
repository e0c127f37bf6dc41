#include "core/wizards/memory_sizes.h"

#include <algorithm>

#include "core/chart/rounding.h"

namespace wizards {
namespace {
constexpr std::uint64_t kRoundingAllowance = 500000;
}  // namespace

std::int64_t SummaryMegabytes(std::uint64_t bytes) {
    return static_cast<std::int64_t>((bytes + kRoundingAllowance) / kMegabyte);
}

std::int64_t PhysicalMegabytes(std::uint64_t totalBytes) {
    return chart::Nearest(static_cast<double>(totalBytes + kRoundingAllowance) / static_cast<double>(kMegabyte));
}

std::int32_t StoredByteSize(std::int64_t megabytes) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(megabytes, 0, kMaxStoredMegabytes) * static_cast<std::int64_t>(kMegabyte)
    );
}

}  // namespace wizards
