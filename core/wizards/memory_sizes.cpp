#include "core/wizards/memory_sizes.h"

#include <algorithm>

#include "core/chart/rounding.h"

namespace wizards {

std::int64_t PhysicalMegabytes(std::uint64_t totalBytes) {
    return chart::Nearest(static_cast<double>(totalBytes + 500000u) / settings::kBytesPerMegabyte);
}

std::int32_t StoredByteSize(std::int64_t megabytes) {
    return settings::BytesOfMegabytes(
        static_cast<std::int32_t>(std::clamp<std::int64_t>(megabytes, 0, settings::kLargestStorableMegabytes))
    );
}

}  // namespace wizards
