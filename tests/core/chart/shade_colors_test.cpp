#include "core/chart/shade_colors.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(ShadeColors, StripsFadeFromTheZoneColour) {
    const Color zone = Rgb(123, 235, 140);
    EXPECT_EQ(LightStripRow(zone, 0, 10), Rgb(170, 242, 181));
    EXPECT_EQ(LightStripRow(zone, 9, 10), Rgb(128, 236, 144));
    EXPECT_EQ(DarkStripRow(zone, 0, 10), zone);
    EXPECT_EQ(DarkStripRow(zone, 9, 10), Rgb(83, 159, 95));
    // Extremes stay within a channel.
    EXPECT_EQ(LightStripRow(kWhite, 0, 10), kWhite);
    EXPECT_EQ(LightStripRow(Rgb(0, 0, 0), 0, 10), Rgb(91, 91, 91));
    EXPECT_EQ(DarkStripRow(kWhite, 9, 10), Rgb(173, 173, 173));
}

TEST(ShadeColors, DarkeningMirrorsLowChannels) {
    EXPECT_EQ(Darken(Rgb(20, 200, 255), 30), Rgb(10, 170, 225));
    EXPECT_EQ(Darken(Darken(kWhite, 30), 30), Rgb(195, 195, 195));
    EXPECT_EQ(Darken(Rgb(0, 30, 31), 30), Rgb(30, 0, 1));
}
