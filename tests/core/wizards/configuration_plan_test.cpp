#include "core/wizards/configuration_plan.h"

#include <gtest/gtest.h>

#include "core/settings/range_encoding.h"
#include "core/wizards/memory_sizes.h"

using namespace wizards;

namespace {

struct Stored {
    std::string name;
    std::int32_t value;
    std::int32_t stored;
    bool operator==(const Stored&) const = default;
};

// What lands in the registry, in writing order: each value and its range-encoded form.
std::vector<Stored> Written(Experience experience, unsigned kinds, std::uint64_t totalBytes) {
    const std::int64_t totalMB = PhysicalMegabytes(totalBytes);
    const ConfigurationPlan plan{DerivePerformance(experience), DeriveMemoryTargets(kinds, totalMB), totalMB};
    std::vector<Stored> written;
    for (const SettingWrite& w : ServiceSettingWrites(plan)) {
        written.push_back({w.setting->name, w.value, settings::EncodeRanged(w.value, w.setting->min, w.setting->max)});
    }
    return written;
}

constexpr std::uint64_t MB = settings::kBytesPerMegabyte;

}  // namespace

TEST(ConfigurationPlan, PerformanceAnswerSetsCacheAndOptimisations) {
    EXPECT_EQ(DerivePerformance(Experience::SlowWhileRunning), (PerformanceChoice{false, 0, true, true}));
    EXPECT_EQ(DerivePerformance(Experience::SlowToStart), (PerformanceChoice{true, 0, false, true}));
    EXPECT_EQ(DerivePerformance(Experience::SlowToStartAndRun), (PerformanceChoice{true, 0, false, true}));
    EXPECT_EQ(LargeSystemCache(true), 1);
    EXPECT_EQ(LargeSystemCache(false), 0);
}

TEST(ConfigurationPlan, TargetsTakeTheLargestNeedOfTheCheckedKinds) {
    EXPECT_EQ(DeriveMemoryTargets(0, 256), (MemoryTargets{16, 16}));
    EXPECT_EQ(DeriveMemoryTargets(kNetworkPrograms, 256), (MemoryTargets{16, 32}));
    EXPECT_EQ(DeriveMemoryTargets(kNetworkPrograms | kTextProcessors, 256), (MemoryTargets{24, 32}));
    EXPECT_EQ(DeriveMemoryTargets(kWebDatabases | kPhotoEditors, 256), (MemoryTargets{48, 32}));
    EXPECT_EQ(DeriveMemoryTargets(kDevelopmentTools | k3DPrograms, 256), (MemoryTargets{64, 32}));
    // 16 is not above a quarter of 64; a quarter of 32 is.
    EXPECT_EQ(DeriveMemoryTargets(0, 64), (MemoryTargets{16, 16}));
    EXPECT_EQ(DeriveMemoryTargets(k3DPrograms, 32), (MemoryTargets{16, 8}));
}

TEST(ConfigurationPlan, StoredValuesOnA256MegabyteMachine) {
    EXPECT_EQ(
        Written(Experience::SlowToStartAndRun, k3DPrograms, 256 * MB),
        (std::vector<Stored>{
            {"DefragPassesNum", 0, -1},
            {"UntouchableCacheSize", 33554432, 33554432},
            {"OnTimeFree", 0, 0},
            {"MemMinFree", -1, -1},
            {"MemMinFreeSize", 23, 22},      // Round(23.4375)
            {"MemMinFreeSizeNeed", 27, 26},  // Round(26.5625)
        })
    );
}

TEST(ConfigurationPlan, StoredValuesOnA64MegabyteMachine) {
    EXPECT_EQ(
        Written(Experience::SlowWhileRunning, 0, 64 * MB), (std::vector<Stored>{
                                                               {"DefragPassesNum", 0, -1},
                                                               {"UntouchableCacheSize", 16777216, 16777216},
                                                               {"OnTimeFree", -1, -1},
                                                               {"MemMinFree", -1, -1},
                                                               {"MemMinFreeSize", 19, 18},      // Round(18.75)
                                                               {"MemMinFreeSizeNeed", 31, 30},  // Round(31.25)
                                                           })
    );
}

TEST(ConfigurationPlan, StoredValuesOnA32MegabyteMachineRoundHalvesToEven) {
    const auto written = Written(Experience::SlowToStartAndRun, k3DPrograms, 32 * MB);
    EXPECT_EQ(written[1], (Stored{"UntouchableCacheSize", 8388608, 8388608}));
    EXPECT_EQ(written[4], (Stored{"MemMinFreeSize", 38, 37}));      // Round(37.5)
    EXPECT_EQ(written[5], (Stored{"MemMinFreeSizeNeed", 62, 61}));  // Round(62.5)
}

TEST(ConfigurationPlan, StoredValuesOn16GigabyteMachineStayInRange) {
    // 64 MB of 16384 MB rounds to 0 %, below the thresholds' range: they keep its lower end.
    EXPECT_EQ(
        Written(Experience::SlowToStartAndRun, k3DPrograms | kPhotoEditors, 16384 * MB),
        (std::vector<Stored>{
            {"DefragPassesNum", 0, -1},
            {"UntouchableCacheSize", 33554432, 33554432},
            {"OnTimeFree", 0, 0},
            {"MemMinFree", -1, -1},
            {"MemMinFreeSize", 1, 0},
            {"MemMinFreeSizeNeed", 1, 0},
        })
    );
}

TEST(ConfigurationPlan, TinyOrUnknownMemoryKeepsThresholdsInRange) {
    const auto tiny = Written(Experience::SlowWhileRunning, k3DPrograms, 4 * MB);
    EXPECT_EQ(tiny[1].value, 1 * 1048576);  // a quarter of 4 MB
    EXPECT_EQ(tiny[4].value, 1);            // 2 - 4 MB: below nothing
    EXPECT_EQ(tiny[5].value, 100);          // 2 + 4 MB: more than all memory
    const auto none = Written(Experience::SlowWhileRunning, 0, 0);
    EXPECT_EQ(none[1].value, 0);
    EXPECT_EQ(none[4].value, 1);
    EXPECT_EQ(none[5].value, 100);
}

TEST(ConfigurationPlan, SummaryReportsWhatFinishWillWrite) {
    using T = SummaryText;
    const ConfigurationPlan plan{DerivePerformance(Experience::SlowToStartAndRun), {64, 32}, 256};
    EXPECT_EQ(
        SummaryLines(plan), (std::vector<SummaryLine>{
                                {T::ConfigurationOfYourSystem},
                                {T::WillBeChangedNow},
                                {},
                                {T::CacheFileServer},
                                {T::MinFreeMemory, 64},
                                {T::MinCacheMemory, 32},
                                {},
                                {T::OptimizationDetails},
                                {T::Preventive, std::nullopt, T::No},
                                {T::Emergency, std::nullopt, T::Yes},
                                {T::Quality, std::nullopt, T::Fast},
                                {},
                                {T::QuickBoostDetails},
                                {T::QuickBoostFreesUp, 64, T::Megabytes},
                            })
    );
    const ConfigurationPlan home{DerivePerformance(Experience::SlowWhileRunning), {16, 16}, 64};
    const auto lines = SummaryLines(home);
    EXPECT_EQ(lines[3].text, T::CacheHomeComputer);
    EXPECT_EQ(lines[8].tail, T::Yes);
    EXPECT_EQ(lines[10].tail, T::Fast);
}
