#include "core/chart/graph_model.h"

#include <gtest/gtest.h>

#include <array>

using namespace chart;

namespace {

GraphModel Chart(std::uint16_t points, std::uint16_t graphs) {
    GraphModel g;
    g.set_NUM_PTS(points);
    g.set_NUM_GRAPHS(graphs);
    return g;
}

void Fill(Tmsc_series& s, double value) { s.values.fill(value); }

}  // namespace

TEST(GraphModel, CountSettersCapAtTheirMaximum) {
    GraphModel g;
    EXPECT_EQ(g.NUM_PTS(), 200);
    EXPECT_EQ(g.NUM_GRAPHS(), 0);
    EXPECT_FALSE(g.can_draw());
    g.set_NUM_PTS(300);
    EXPECT_EQ(g.NUM_PTS(), 200);
    g.set_NUM_PTS(201);
    EXPECT_EQ(g.NUM_PTS(), 200);
    g.set_NUM_PTS(200);
    EXPECT_EQ(g.NUM_PTS(), 200);
    g.set_NUM_PTS(50);
    EXPECT_EQ(g.NUM_PTS(), 50);
    g.set_NUM_GRAPHS(5);
    EXPECT_EQ(g.NUM_GRAPHS(), 2);
    g.set_NUM_GRAPHS(1);
    EXPECT_EQ(g.NUM_GRAPHS(), 1);
    EXPECT_TRUE(g.can_draw());
}

TEST(GraphModel, MasterGeometry) {
    GraphModel g;
    EXPECT_EQ(g.bordersize(), 2);
    EXPECT_EQ(g.surface_width(), 396);
    EXPECT_EQ(g.surface_height(), 396);
    g.set_NUM_PTS(50);
    EXPECT_EQ(ScrollShift(g), 8);
    g.set_NUM_PTS(0);
    EXPECT_EQ(ScrollShift(g), 0);
}

TEST(GraphModel, PointsSpreadAcrossTheSurface) {
    GraphModel g = Chart(50, 1);
    std::array<Tmsc_series, 1> s;
    Fill(s[0], 50);
    g.compute_points(s.data());
    EXPECT_EQ(s[0].points[0].x, 2);
    EXPECT_EQ(s[0].points[48].x, 389);
    EXPECT_EQ(s[0].points[49].x, 398);
    for (int p = 1; p <= 50; ++p) EXPECT_EQ(s[0].points[p - 1].x, 2 + 396 * (p - 1) / 49) << "point " << p;
    // Points beyond NUM_PTS are left alone.
    EXPECT_EQ(s[0].points[50], (ChartPoint{0, 0}));
}

TEST(GraphModel, ValuesAreClampedInPlaceAndMappedTopToBottom) {
    GraphModel g = Chart(50, 1);
    std::array<Tmsc_series, 1> s;
    Fill(s[0], 50);
    s[0].values[0] = -5;
    s[0].values[1] = 150;
    s[0].values[2] = 0;
    s[0].values[3] = 100;
    s[0].values[60] = 150;  // beyond NUM_PTS: not touched
    g.compute_points(s.data());
    EXPECT_EQ(s[0].values[0], 0.0);
    EXPECT_EQ(s[0].points[0].y, 12);
    EXPECT_EQ(s[0].values[1], 100.0);
    EXPECT_EQ(s[0].points[1].y, 368);
    EXPECT_EQ(s[0].points[2].y, 12);
    EXPECT_EQ(s[0].points[3].y, 368);
    EXPECT_EQ(s[0].points[4].y, 190);
    EXPECT_EQ(s[0].values[60], 150.0);
}

TEST(GraphModel, UpperSeriesKeepsTwentyPixelsAboveTheLower) {
    GraphModel g = Chart(50, 2);
    std::array<Tmsc_series, 2> s;
    Fill(s[0], 60);
    Fill(s[1], 60);
    s[0].values[5] = 10;   // well above: unchanged
    s[0].values[6] = 90;   // below the lower series: lifted above it
    s[1].values[7] = 150;  // clamped before the comparison
    s[0].values[7] = 100;
    g.compute_points(s.data());
    EXPECT_EQ(s[1].points[0].y - s[0].points[0].y, 20);
    EXPECT_EQ(s[0].points[5].y, 47);
    EXPECT_EQ(s[1].points[6].y - s[0].points[6].y, 20);
    EXPECT_EQ(s[1].values[7], 100.0);
    EXPECT_EQ(s[1].points[7].y, 368);
    EXPECT_EQ(s[0].points[7].y, 348);
}

TEST(GraphModel, NothingIsComputedWithoutTwoPointsAndASeries) {
    std::array<Tmsc_series, 1> s;
    Fill(s[0], 150);
    Chart(1, 1).compute_points(s.data());
    Chart(50, 0).compute_points(s.data());
    EXPECT_EQ(s[0].values[0], 150.0);
    EXPECT_EQ(s[0].points[0], (ChartPoint{0, 0}));
}

TEST(GraphModel, GridLinesOfAFullRedraw) {
    GraphModel g;
    std::array<int, 5> columns{};
    for (int j = 0; j < 5; ++j) columns[j] = g.vertical_grid_x(0, j);
    EXPECT_EQ(columns, (std::array<int, 5>{2, 81, 160, 240, 319}));
    for (int j = 1; j < 5; ++j) EXPECT_EQ(g.horizontal_grid_y(j), columns[j]);
    // The offset is a phase within one 79-pixel cell.
    EXPECT_EQ(g.vertical_grid_x(10, 0), 12);
    EXPECT_EQ(g.vertical_grid_x(79 + 10, 1), 91);
    EXPECT_EQ(g.vertical_grid_x(65530, 0), 2 + 65530 % 79);
}

TEST(GraphModel, ScrollingMovesTheGridAndAddsLinesOnTheRight) {
    GraphModel g;
    g.grid_x = 320;
    EXPECT_EQ(g.shift_grid(8), std::vector<int>{391});
    EXPECT_EQ(g.grid_x, 391);
    EXPECT_TRUE(g.shift_grid(8).empty());
    EXPECT_EQ(g.grid_x, 383);
    // 319 sits just above the limit of 318.8; 318 falls below it.
    g.grid_x = 327;
    EXPECT_TRUE(g.shift_grid(8).empty());
    EXPECT_EQ(g.grid_x, 319);
    EXPECT_EQ(g.shift_grid(1), std::vector<int>{397});
    // A scroll of several cells brings in one line per cell instead of losing the grid.
    g.grid_x = 319;
    EXPECT_EQ(g.shift_grid(198), (std::vector<int>{200, 279, 358}));
    EXPECT_EQ(g.grid_x, 358);
}
