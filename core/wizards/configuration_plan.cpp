#include "core/wizards/configuration_plan.h"

#include <algorithm>

#include "core/chart/rounding.h"
#include "core/wizards/memory_sizes.h"

namespace wizards {
namespace {

constexpr std::int64_t kBaseMB = 16;
constexpr std::int64_t kCacheForAnyKindMB = 32;

struct KindNeed {
    ProgramKind kind;
    std::int64_t minFreeMB;
};

constexpr KindNeed kNeeds[] = {
    {kNetworkPrograms, 16}, {kWebDatabases, 24}, {kTextProcessors, 24},
    {k3DPrograms, 64},      {kPhotoEditors, 48}, {kDevelopmentTools, 48},
};

// The emergency pass starts 4 MB below the target and aims 4 MB above it.
constexpr std::int64_t kEmergencyMarginMB = 4;

std::int32_t Percent(std::int64_t megabytes, std::int64_t totalMB) {
    const double share =
        static_cast<double>(megabytes) * 100.0 / static_cast<double>(std::max<std::int64_t>(totalMB, 1));
    return static_cast<std::int32_t>(chart::Nearest(std::clamp(share, 1.0, 100.0)));
}

std::int32_t Flag(bool on) { return on ? settings::kTrue : settings::kFalse; }

}  // namespace

PerformanceChoice DerivePerformance(Experience experience) {
    if (experience == Experience::SlowWhileRunning) return {false, 0, true, true};
    return {true, 0, false, true};
}

MemoryTargets DeriveMemoryTargets(unsigned programKinds, std::int64_t totalMB) {
    MemoryTargets targets{kBaseMB, kBaseMB};
    for (const KindNeed& need : kNeeds) {
        if (!(programKinds & need.kind)) continue;
        targets.minFreeMB = std::max(targets.minFreeMB, need.minFreeMB);
        targets.minCacheMB = std::max(targets.minCacheMB, kCacheForAnyKindMB);
    }
    targets.minFreeMB = std::min(targets.minFreeMB, chart::Nearest(static_cast<double>(totalMB) / 2.0));
    targets.minCacheMB = std::min(targets.minCacheMB, chart::Nearest(static_cast<double>(totalMB) / 4.0));
    return targets;
}

std::int32_t LargeSystemCache(bool cacheServer) { return cacheServer ? 1 : 0; }

std::array<SettingWrite, 6> ServiceSettingWrites(const ConfigurationPlan& plan) {
    const PerformanceChoice& p = plan.performance;
    const std::int64_t minFree = plan.targets.minFreeMB;
    return {{
        {&settings::DefragPassesNum, p.qualityLevel},
        {&settings::UntouchableCacheSize, StoredByteSize(plan.targets.minCacheMB)},
        {&settings::OnTimeFree, Flag(p.preventiveOn)},
        {&settings::MemMinFree, Flag(p.emergencyOn)},
        {&settings::MemMinFreeSize, Percent(minFree - kEmergencyMarginMB, plan.totalMB)},
        {&settings::MemMinFreeSizeNeed, Percent(minFree + kEmergencyMarginMB, plan.totalMB)},
    }};
}

std::vector<SummaryLine> SummaryLines(const ConfigurationPlan& plan) {
    using T = SummaryText;
    const PerformanceChoice& p = plan.performance;
    auto yesNo = [](bool on) { return on ? T::Yes : T::No; };
    return {
        {T::ConfigurationOfYourSystem},
        {T::WillBeChangedNow},
        {},
        {p.cacheServer ? T::CacheFileServer : T::CacheHomeComputer},
        {T::MinFreeMemory, plan.targets.minFreeMB},
        {T::MinCacheMemory, plan.targets.minCacheMB},
        {},
        {T::OptimizationDetails},
        {T::Preventive, std::nullopt, yesNo(p.preventiveOn)},
        {T::Emergency, std::nullopt, yesNo(p.emergencyOn)},
        {T::Quality, std::nullopt, T::Fast},
        {},
        {T::QuickBoostDetails},
        {T::QuickBoostFreesUp, plan.targets.minFreeMB, T::Megabytes},
    };
}

}  // namespace wizards
