#include "core/booster/reclaim_plan.h"

#include <gtest/gtest.h>

#include "core/booster/file_launch_request.h"

using namespace booster;

namespace {
constexpr std::uint64_t MB = kMegabyte;
const MemoryFigures k512With100Free{512 * MB, 100 * MB};
}  // namespace

TEST(ReclaimGoal, QuickBoostMethods) {
    EXPECT_EQ(QuickBoostGoal(0, 150 * MB, k512With100Free), 50 * MB);  // top up to 150 MB available
    EXPECT_EQ(QuickBoostGoal(0, 80 * MB, k512With100Free), 0u);        // already there
    EXPECT_EQ(QuickBoostGoal(1, 32 * MB, k512With100Free), 32 * MB);
    EXPECT_EQ(QuickBoostGoal(2, 32 * MB, k512With100Free), kReclaimAll);
    EXPECT_EQ(QuickBoostGoal(1, -5, k512With100Free), 0u);
    EXPECT_EQ(QuickBoostGoal(7, 32 * MB, k512With100Free), 0u);
}

TEST(ReclaimGoal, FileLaunchTakesMegabytesOrKeepsTheFreeShare) {
    EXPECT_EQ(FileLaunchGoal(16, 20, k512With100Free), 16 * MB);
    EXPECT_EQ(FileLaunchGoal(0, 20, k512With100Free), 0u);
    // 25 % of 512 MB is 128 MB: 28 MB more than the 100 MB available.
    EXPECT_EQ(FileLaunchGoal(kAutomaticAmount, 25, k512With100Free), 28 * MB);
    EXPECT_EQ(FileLaunchGoal(kAutomaticAmount, 10, k512With100Free), 0u);
    EXPECT_EQ(FreePercentGoal(250, k512With100Free), 412 * MB);  // clamped to 100 %
}

TEST(ReclaimGoal, NeverAsksForTheCacheThatMustStay) {
    // 412 MB in use, 16 MB of it left to the cache: at most 396 MB can be asked for.
    EXPECT_EQ(CapGoal(1000 * MB, k512With100Free, 16 * MB), 396 * MB);
    EXPECT_EQ(CapGoal(10 * MB, k512With100Free, 16 * MB), 10 * MB);
    EXPECT_EQ(CapGoal(10 * MB, {512 * MB, 510 * MB}, 16 * MB), 0u);
    EXPECT_EQ(CapGoal(kReclaimAll, k512With100Free, 16 * MB), kReclaimAll);
}

TEST(ReclaimPlan, QualityGivesOneToThreeSweeps) {
    EXPECT_EQ(SweepsForQuality(0), 1);
    EXPECT_EQ(SweepsForQuality(1), 2);
    EXPECT_EQ(SweepsForQuality(2), 3);
    EXPECT_EQ(SweepsForQuality(-1), 1);
    EXPECT_EQ(SweepsForQuality(9), 3);
}

TEST(ReclaimPlan, TrimsTheLargestWorkingSetsFirst) {
    std::vector<ProcessUsage> processes{{10, 5 * MB}, {4, 80 * MB}, {7, 5 * MB}, {2, 1 * MB}};
    SortLargestFirst(processes);
    std::vector<std::uint32_t> order;
    for (const auto& p : processes) order.push_back(p.id);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{4, 7, 10, 2}));
}

TEST(ReclaimPlan, ProgressFollowsTheGoalOrTheProcessesTrimmed) {
    EXPECT_EQ(ProgressPercent({40 * MB, 10 * MB, 1, 50}), 25);
    EXPECT_EQ(ProgressPercent({40 * MB, 90 * MB, 1, 50}), 100);
    EXPECT_TRUE(GoalReached({40 * MB, 40 * MB, 1, 50}));
    EXPECT_FALSE(GoalReached({40 * MB, 39 * MB, 50, 50}));
    EXPECT_EQ(ProgressPercent({0, 0, 0, 50}), 100);
    EXPECT_TRUE(GoalReached({0, 0, 0, 50}));
    // Everything: the share of processes trimmed, however much memory came back.
    EXPECT_EQ(ProgressPercent({kReclaimAll, 900 * MB, 30, 120}), 25);
    EXPECT_FALSE(GoalReached({kReclaimAll, 900 * MB, 120, 120}));
    EXPECT_EQ(ProgressPercent({kReclaimAll, 0, 0, 0}), 0);
}
