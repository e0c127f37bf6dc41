#include "core/booster/load_figures.h"

#include <gtest/gtest.h>

using namespace booster;

TEST(LoadFigures, PercentRoundsClampsAndSurvivesHugeCounts) {
    EXPECT_EQ(Percent(1, 3), 33);
    EXPECT_EQ(Percent(2, 3), 67);
    EXPECT_EQ(Percent(5, 0), 0);
    EXPECT_EQ(Percent(7, 5), 100);
    EXPECT_EQ(Percent(std::uint64_t{1} << 62, std::uint64_t{1} << 63), 50);
}

TEST(LoadFigures, ProcessorLoadComesFromTheChangeOfTheTimes) {
    // 1000 units elapsed: 250 idle, 150 in kernel mode besides idle, 600 in user mode.
    ProcessorTimes before{1000, 3000, 5000};
    ProcessorTimes after{1250, 3400, 5600};
    ProcessorLoad load = LoadBetween(before, after);
    EXPECT_EQ(load.total, 75);
    EXPECT_EQ(load.kernelMode, 15);

    EXPECT_EQ(LoadBetween(before, before).total, 0);
    EXPECT_EQ(LoadBetween(after, before).total, 0);  // counters reset
}

TEST(LoadFigures, MeterMeasuresEachStepFromThePreviousReading) {
    ProcessorMeter meter({0, 0, 0});
    EXPECT_EQ(meter.Advance({100, 100, 100}).total, 50);
    EXPECT_EQ(meter.Advance({200, 200, 100}).total, 0);
    EXPECT_EQ(meter.Advance({200, 300, 200}).total, 100);
}
