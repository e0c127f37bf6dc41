#include "core/app/view_state.h"

#include <gtest/gtest.h>

using app::ViewState;

TEST(ViewState, TheDefaultShowsBarsTwoSecondsAndVerticalTiles) {
    ViewState v = ViewState::FromBits(139);
    EXPECT_TRUE(v.toolbar);
    EXPECT_TRUE(v.statusBar);
    EXPECT_EQ(v.IntervalMs(), 2000);
    EXPECT_EQ(v.Layout(), 2);
    EXPECT_EQ(v.ToBits(), 139);
}

TEST(ViewState, SeveralChecksAreKeptAndTheLastOneDecides) {
    ViewState v = ViewState::FromBits(256 + 1024 + 4 + 32);
    EXPECT_EQ(v.Layout(), 5);  // only the page-file chart shows
    EXPECT_EQ(v.IntervalMs(), 10000);
    EXPECT_TRUE(v.charts[2]);  // "Memory" stays checked
    EXPECT_EQ(v.ToBits(), 256 + 1024 + 4 + 32);
}

TEST(ViewState, NothingCheckedMeansNoIntervalAndNoLayout) {
    ViewState v = ViewState::FromBits(0);
    EXPECT_FALSE(v.toolbar);
    EXPECT_FALSE(v.IntervalMs().has_value());
    EXPECT_FALSE(v.Layout().has_value());
    EXPECT_EQ(v.ToBits(), 0);
    // Bits beyond the menu's are dropped on the way back.
    EXPECT_EQ(ViewState::FromBits(2048 + 3).ToBits(), 3);
}
