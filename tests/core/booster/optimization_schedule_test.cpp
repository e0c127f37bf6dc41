#include "core/booster/optimization_schedule.h"

#include <gtest/gtest.h>

using namespace booster;

namespace {

const BusyWait kNoWait{false, 5, 30};
const PreventiveSettings kPreventiveOff{false, 0, 270, kNoWait};
const EmergencySettings kEmergencyOff{false, 10, 20, kNoWait};

LoadHistory Steady(int percent, int seconds = 180) {
    LoadHistory load;
    for (int i = 0; i < seconds; ++i) load.Add(percent);
    return load;
}

}  // namespace

TEST(LoadHistory, AveragesTheNewestSamples) {
    LoadHistory load;
    EXPECT_EQ(load.Average(10), 0);
    for (int p : {100, 100, 0, 0}) load.Add(p);
    EXPECT_EQ(load.Average(2), 0);
    EXPECT_EQ(load.Average(4), 50);
    EXPECT_EQ(load.Average(100), 50);  // fewer collected than asked
    for (int i = 0; i < 200; ++i) load.Add(150);
    EXPECT_EQ(load.Average(180), 100);  // clamped, oldest dropped
}

TEST(OptimizationSchedule, PreventivePassesComeEveryInterval) {
    OptimizationSchedule schedule;
    PreventiveSettings preventive{true, 2 * 1048576, 30, kNoWait};
    LoadHistory idle = Steady(0);
    schedule.Restart(1000);
    std::vector<std::int64_t> passes;
    for (std::int64_t t = 1000; t <= 1100; ++t)
        if (schedule.Tick(t, 50, idle, false, preventive, kEmergencyOff) == PassKind::Preventive) passes.push_back(t);
    EXPECT_EQ(passes, (std::vector<std::int64_t>{1030, 1060, 1090}));
}

TEST(OptimizationSchedule, APassInProgressHoldsTheNextOneBack) {
    OptimizationSchedule schedule;
    PreventiveSettings preventive{true, 1, 30, kNoWait};
    schedule.Restart(0);
    EXPECT_EQ(schedule.Tick(30, 50, Steady(0), true, preventive, kEmergencyOff), PassKind::None);
    EXPECT_EQ(schedule.Tick(31, 50, Steady(0), false, preventive, kEmergencyOff), PassKind::Preventive);
}

TEST(OptimizationSchedule, ABusyProcessorPostponesThePassByWholePeriods) {
    OptimizationSchedule schedule;
    PreventiveSettings preventive{true, 1, 30, {true, 5, 10}};
    schedule.Restart(0);
    LoadHistory busy = Steady(60);
    EXPECT_EQ(schedule.Tick(30, 50, busy, false, preventive, kEmergencyOff), PassKind::None);
    // Quiet again, but the retest waits for the period to pass.
    LoadHistory quiet = Steady(3);
    EXPECT_EQ(schedule.Tick(35, 50, quiet, false, preventive, kEmergencyOff), PassKind::None);
    EXPECT_EQ(schedule.Tick(40, 50, quiet, false, preventive, kEmergencyOff), PassKind::Preventive);
}

TEST(OptimizationSchedule, TheBusyTestAveragesOverItsPeriod) {
    OptimizationSchedule schedule;
    PreventiveSettings preventive{true, 1, 30, {true, 5, 4}};
    schedule.Restart(0);
    LoadHistory load = Steady(90);
    for (int p : {0, 0, 0, 0}) load.Add(p);  // a quiet moment as long as the period
    EXPECT_EQ(schedule.Tick(30, 50, load, false, preventive, kEmergencyOff), PassKind::Preventive);
}

TEST(OptimizationSchedule, EmergencyStartsBelowItsLevelTakesPrecedenceAndPauses) {
    OptimizationSchedule schedule;
    PreventiveSettings preventive{true, 1, 30, kNoWait};
    EmergencySettings emergency{true, 10, 20, kNoWait};
    schedule.Restart(0);
    LoadHistory idle = Steady(0);
    EXPECT_EQ(schedule.Tick(5, 10, idle, false, preventive, emergency), PassKind::None);  // not below
    EXPECT_EQ(schedule.Tick(6, 9, idle, false, preventive, emergency), PassKind::Emergency);
    // Still short of memory: no second emergency pass right away, but the timer runs on.
    EXPECT_EQ(schedule.Tick(30, 9, idle, false, preventive, emergency), PassKind::Preventive);
    EXPECT_NE(
        schedule.Tick(6 + kEmergencyPauseSeconds - 1, 9, idle, false, preventive, emergency), PassKind::Emergency
    );
    EXPECT_EQ(schedule.Tick(6 + kEmergencyPauseSeconds, 9, idle, false, preventive, emergency), PassKind::Emergency);
}

TEST(OptimizationSchedule, EmergencyWaitsForAQuietProcessorWithItsOwnThreshold) {
    OptimizationSchedule schedule;
    EmergencySettings emergency{true, 10, 20, {true, 50, 15}};
    schedule.Restart(0);
    EXPECT_EQ(schedule.Tick(1, 5, Steady(70), false, kPreventiveOff, emergency), PassKind::None);
    EXPECT_EQ(schedule.Tick(16, 5, Steady(40), false, kPreventiveOff, emergency), PassKind::Emergency);
}

TEST(OptimizationSchedule, DisabledPassesNeverRun) {
    OptimizationSchedule schedule;
    schedule.Restart(0);
    for (std::int64_t t = 0; t < 2000; t += 7)
        ASSERT_EQ(schedule.Tick(t, 1, Steady(0), false, kPreventiveOff, kEmergencyOff), PassKind::None);
}

TEST(OptimizationSchedule, RestartBeginsTheIntervalAgain) {
    OptimizationSchedule schedule;
    PreventiveSettings preventive{true, 1, 30, kNoWait};
    schedule.Restart(0);
    schedule.Restart(25);
    EXPECT_EQ(schedule.Tick(30, 50, Steady(0), false, preventive, kEmergencyOff), PassKind::None);
    EXPECT_EQ(schedule.Tick(55, 50, Steady(0), false, preventive, kEmergencyOff), PassKind::Preventive);
}
