#include "core/booster/reclaim_plan.h"

#include <algorithm>

#include "core/booster/load_figures.h"

namespace booster {

std::uint64_t QuickBoostGoal(int method, std::int64_t size, const MemoryFigures& memory) {
    std::uint64_t bytes = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    switch (static_cast<QuickBoostMethod>(method)) {
        case QuickBoostMethod::KeepFree:
            return bytes > memory.availablePhysical ? bytes - memory.availablePhysical : 0;
        case QuickBoostMethod::ReclaimSize:
            return bytes;
        case QuickBoostMethod::ReclaimMaximum:
            return kReclaimAll;
    }
    return 0;
}

std::uint64_t FreePercentGoal(int percent, const MemoryFigures& memory) {
    int clamped = std::clamp(percent, 0, 100);
    auto wanted = static_cast<std::uint64_t>(static_cast<double>(memory.totalPhysical) * clamped / 100.0);
    return wanted > memory.availablePhysical ? wanted - memory.availablePhysical : 0;
}

std::uint64_t FileLaunchGoal(std::int64_t megabytes, int keepFreePercent, const MemoryFigures& memory) {
    if (megabytes < 0) return FreePercentGoal(keepFreePercent, memory);
    return static_cast<std::uint64_t>(megabytes) * kMegabyte;
}

std::uint64_t CapGoal(std::uint64_t goal, const MemoryFigures& memory, std::int64_t untouchableCache) {
    if (goal == kReclaimAll) return goal;
    std::uint64_t inUse =
        memory.totalPhysical > memory.availablePhysical ? memory.totalPhysical - memory.availablePhysical : 0;
    std::uint64_t keep = untouchableCache > 0 ? static_cast<std::uint64_t>(untouchableCache) : 0;
    std::uint64_t reclaimable = inUse > keep ? inUse - keep : 0;
    return std::min(goal, reclaimable);
}

int SweepsForQuality(int quality) { return std::clamp(quality, 0, 2) + 1; }

void SortLargestFirst(std::vector<ProcessUsage>& processes) {
    std::sort(processes.begin(), processes.end(), [](const ProcessUsage& a, const ProcessUsage& b) {
        return a.workingSet != b.workingSet ? a.workingSet > b.workingSet : a.id < b.id;
    });
}

int ProgressPercent(const ReclaimProgress& progress) {
    if (progress.goal == kReclaimAll) return Percent(progress.trimmed, progress.total);
    if (progress.goal == 0) return 100;
    return Percent(progress.reclaimed, progress.goal);
}

bool GoalReached(const ReclaimProgress& progress) {
    return progress.goal != kReclaimAll && progress.reclaimed >= progress.goal;
}

}  // namespace booster
