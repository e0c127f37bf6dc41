#include "controls/surface_stretch.h"

#include <gtest/gtest.h>

#include "tests/win/controls/surface_pixels.h"

using controls::DibSurface;

TEST(SurfaceStretch, EnlargingRepeatsPixels) {
    DibSurface source(4, 4);
    source.Fill(kWhite);
    source.FillSpan(2, 1, 1, RGB(255, 0, 0));
    DibSurface target(8, 8);
    controls::StretchSurface(source, target);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(target.Pixel(x, y), x / 2 == 1 && y / 2 == 2 ? RGB(255, 0, 0) : kWhite) << x << ", " << y;
}

TEST(SurfaceStretch, ShrinkingKeepsThinDarkLinesAndSameSizeCopies) {
    DibSurface master(400, 400);
    master.Fill(kWhite);
    const COLORREF grey = Q(RGB(100, 120, 140));
    master.FillSpan(81, 0, 399, grey);
    master.RecolorRect(161, 0, 161, 399, [&](COLORREF) { return grey; });

    DibSurface small(150, 70);
    controls::StretchSurface(master, small);
    int grey_rows = 0, grey_columns = 0;
    for (int y = 0; y < 70; ++y) grey_rows += small.Pixel(5, y) == grey;
    for (int x = 0; x < 150; ++x) grey_columns += small.Pixel(x, 5) == grey;
    EXPECT_EQ(grey_rows, 1);
    EXPECT_EQ(grey_columns, 1);
    EXPECT_EQ(small.Pixel(100, 50), kWhite);

    DibSurface same(400, 400);
    controls::StretchSurface(master, same);
    for (int y = 0; y < 400; ++y) ASSERT_EQ(Row(same, y), Row(master, y)) << "row " << y;
}
