#include "core/booster/tray_icon_image.h"

#include <gtest/gtest.h>

#include <vector>

using namespace booster;

namespace {

constexpr IconColors kColors{0x00FF00, 0x008800, 0xFFFFFF};

std::uint32_t At(const IconPixels& p, int x, int y) { return p[y * kIconSize + x]; }

int CountColumn(const IconPixels& p, int x, std::uint32_t color) {
    int n = 0;
    for (int y = 0; y < kIconSize; ++y) n += At(p, x, y) == color;
    return n;
}

int Count(const IconPixels& p, std::uint32_t color) {
    int n = 0;
    for (auto c : p) n += c == color;
    return n;
}

}  // namespace

TEST(TrayIconImage, ChartDrawsTheNewestSampleAtTheRightEdge) {
    std::vector<std::int32_t> history(16, 0);
    history[0] = 100;
    IconPixels p = RenderTrayIcon(IconStyle::Chart, history, kColors, -1);
    EXPECT_EQ(At(p, 15, 0), kColors.fore);  // 100 % on the top row
    EXPECT_EQ(At(p, 0, 15), kColors.fore);  // oldest 0 % on the bottom row
    EXPECT_EQ(At(p, 0, 0), kColors.back);
    EXPECT_EQ(CountColumn(p, 15, kColors.fore), 16);  // the rise is joined, not a lone dot
    EXPECT_EQ(CountColumn(p, 7, kColors.fore), 1);
}

TEST(TrayIconImage, FillDrawsTheAreaUnderTheLine) {
    std::vector<std::int32_t> history(16, 50);
    IconPixels p = RenderTrayIcon(IconStyle::Fill, history, kColors, -1);
    for (int x = 0; x < kIconSize; ++x) EXPECT_EQ(CountColumn(p, x, kColors.fore), 9) << x;  // rows 7..15
    EXPECT_EQ(At(p, 3, 15), kColors.fore);
    EXPECT_EQ(At(p, 3, 0), kColors.back);
}

TEST(TrayIconImage, GridStylesAddAGridInAMixedColour) {
    std::vector<std::int32_t> history(16, 0);
    std::uint32_t grid = GridColor(kColors);
    EXPECT_EQ(grid, 0x00B000u);  // (2 * 0x88 + 0xFF) / 3, rounded
    IconPixels chart = RenderTrayIcon(IconStyle::GridChart, history, kColors, -1);
    IconPixels fill = RenderTrayIcon(IconStyle::GridFill, std::vector<std::int32_t>(16, 100), kColors, -1);
    EXPECT_EQ(At(chart, 3, 0), grid);
    EXPECT_EQ(At(chart, 0, 3), grid);
    EXPECT_EQ(At(chart, 0, 0), kColors.back);
    EXPECT_EQ(At(chart, 3, 15), kColors.fore);  // the line lies over the grid
    EXPECT_EQ(Count(fill, kColors.fore), 256);
    EXPECT_EQ(Count(RenderTrayIcon(IconStyle::Chart, history, kColors, -1), grid), 0);
}

TEST(TrayIconImage, ValueShowsTheNumberAndALevelBar) {
    std::vector<std::int32_t> full{100};
    IconPixels hundred = RenderTrayIcon(IconStyle::Value, full, kColors, -1);
    IconPixels seven = RenderTrayIcon(IconStyle::Value, std::vector<std::int32_t>{7, 99}, kColors, -1);
    EXPECT_GT(Count(hundred, kColors.text), Count(seven, kColors.text));  // three digits against one
    EXPECT_GT(Count(seven, kColors.text), 0);
    // Each digit fits on the icon: nothing in the text colour touches the edges.
    for (int y = 0; y < kIconSize; ++y) {
        EXPECT_NE(At(hundred, 0, y), kColors.text);
        EXPECT_NE(At(hundred, 15, y), kColors.text);
    }
    EXPECT_EQ(At(hundred, 15, 12), kColors.fore);  // full bar
    EXPECT_EQ(At(seven, 0, 12), kColors.fore);
    EXPECT_EQ(At(seven, 2, 12), GridColor(kColors));  // 7 % of 16 pixels is one
}

TEST(TrayIconImage, OddInputDrawsSafely) {
    std::vector<std::int32_t> wild{-50, 1000, 50};
    IconPixels p = RenderTrayIcon(IconStyle::Chart, wild, kColors, -1);
    EXPECT_EQ(At(p, 15, 15), kColors.fore);  // -50 as 0
    EXPECT_EQ(At(p, 14, 0), kColors.fore);   // 1000 as 100
    EXPECT_EQ(At(p, 0, 15), kColors.fore);   // missing samples as 0
    EXPECT_EQ(IconStyleFromSetting(0), IconStyle::Chart);
    EXPECT_EQ(IconStyleFromSetting(6), IconStyle::Chart);
    EXPECT_EQ(IconStyleFromSetting(5), IconStyle::GridFill);
    IconPixels value = RenderTrayIcon(IconStyle::Value, std::span<const std::int32_t>{}, kColors, -1);
    EXPECT_GT(Count(value, kColors.text), 0);  // "0"
}

TEST(TrayIconImage, AnimationMovesABandAcrossTheIcon) {
    std::vector<std::int32_t> history(16, 0);
    IconPixels first = RenderTrayIcon(IconStyle::Fill, history, kColors, 0);
    IconPixels later = RenderTrayIcon(IconStyle::Fill, history, kColors, 3);
    EXPECT_EQ(CountColumn(first, 0, kColors.text), 16);
    EXPECT_EQ(CountColumn(first, 6, kColors.text), 0);
    EXPECT_EQ(CountColumn(later, 6, kColors.text), 16);
    EXPECT_EQ(RenderTrayIcon(IconStyle::Fill, history, kColors, 8), first);  // wraps round
}
