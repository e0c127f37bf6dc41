#include "core/chart/chart_layout.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

const ClientArea kWithBars{424, 300, 51, 19};

}  // namespace

TEST(ChartLayout, TiledHorizontallyStacksThreeCharts) {
    const auto a = ArrangeCharts(1, kWithBars);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->placement[0], (ChartRect{5, 56, 414, 70}));
    EXPECT_EQ(a->placement[1], (ChartRect{5, 131, 414, 70}));
    EXPECT_EQ(a->placement[2], (ChartRect{5, 206, 414, 70}));
    EXPECT_EQ(a->shown, (std::array<bool, 3>{true, true, true}));
    // Without bars the charts start 5 pixels down and share the whole height:
    // nearest((300 - 20) / 3) = 93.
    const auto bare = ArrangeCharts(1, {424, 300, 0, 0});
    EXPECT_EQ(bare->placement[1], (ChartRect{5, 103, 414, 93}));
}

TEST(ChartLayout, TiledVerticallyPlacesThreeColumns) {
    const auto a = ArrangeCharts(2, kWithBars);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->placement[0], (ChartRect{5, 56, 134, 220}));
    EXPECT_EQ(a->placement[1], (ChartRect{144, 56, 134, 220}));
    EXPECT_EQ(a->placement[2], (ChartRect{283, 56, 134, 220}));
    EXPECT_EQ(a->shown, (std::array<bool, 3>{true, true, true}));
}

TEST(ChartLayout, SingleChartFillsTheAreaAndHidesTheOthers) {
    for (int layout = 3; layout <= 5; ++layout) {
        const auto a = ArrangeCharts(layout, kWithBars);
        ASSERT_TRUE(a);
        const int only = layout - 3;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(a->shown[i], i == only) << "layout " << layout;
            EXPECT_EQ(a->placement[i].has_value(), i == only) << "layout " << layout;
        }
        EXPECT_EQ(*a->placement[only], (ChartRect{5, 56, 414, 220}));
    }
}

TEST(ChartLayout, NegativeSizesBecomeOne) {
    const ClientArea tiny{8, 60, 51, 19};
    EXPECT_EQ(*ArrangeCharts(3, tiny)->placement[0], (ChartRect{5, 56, 1, 1}));
    const auto rows = ArrangeCharts(1, tiny);
    EXPECT_EQ(rows->placement[0]->width, 1);
    EXPECT_EQ(rows->placement[0]->height, 1);
    const auto columns = ArrangeCharts(2, tiny);
    EXPECT_EQ(columns->placement[2]->width, 1);
    // Zero is not negative and stays.
    EXPECT_EQ(ArrangeCharts(3, {10, 90, 51, 19})->placement[0]->width, 0);
}

TEST(ChartLayout, OnlyTheFiveLayoutsArrangeAnything) {
    EXPECT_FALSE(ArrangeCharts(0, kWithBars));
    EXPECT_FALSE(ArrangeCharts(6, kWithBars));
    EXPECT_FALSE(ArrangeCharts(-1, kWithBars));
}

TEST(ChartLayout, RequestsWaitForTheChartsAndRepeatTheLastChoice) {
    LayoutChoice choice;
    EXPECT_FALSE(choice.Request(3));
    EXPECT_EQ(choice.CurrentLayout(), 0);
    choice.MarkChartsReady();
    EXPECT_EQ(choice.Request(-1), 0);
    EXPECT_EQ(choice.Request(3), 3);
    EXPECT_EQ(choice.Request(-1), 3);
    EXPECT_EQ(choice.Request(1), 1);
    EXPECT_EQ(choice.CurrentLayout(), 1);
}
