#include "core/chart/decoration_layout.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(DecorationLayout, CaptionBlockFollowsTheOutputSize) {
    EXPECT_EQ(CaptionOrigin(300, 200, 0.1, 0.1), (ChartPoint{30, 20}));
    EXPECT_EQ(CaptionOrigin(419, 99, 0.1, 0.1), (ChartPoint{41, 9}));
    EXPECT_EQ(CaptionOrigin(1, 1, 0.1, 0.1), (ChartPoint{0, 0}));
}
