#include "controls/msc_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "core/chart/chart_feed.h"
#include "core/chart/shade_colors.h"
#include "platform/handles.h"
#include "tests/win/controls/surface_pixels.h"

using chart::Tmsc_series;
using controls::DibSurface;
using controls::Tmsc_graph;

namespace {

const COLORREF kZone1 = chart::kZoneColors[0];
const COLORREF kZone2 = chart::kZoneColors[1];
const COLORREF kZone3 = chart::kZoneColors[2];

// A grid pixel as the 5-bit surface stores it after darkening `times` times.
COLORREF Gridded(COLORREF c, int times) {
    c = Q(c);
    for (int i = 0; i < times; ++i) c = Q(chart::Darken(c, 30));
    return c;
}

// A chart set up as the main window sets up its charts, 50 points, placed 300 x 200.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        graph.set_NUM_PTS(50);
        graph.set_NUM_GRAPHS(2);
        for (int z = 0; z < 3; ++z) graph.zones[z].color = chart::kZoneColors[z];
        graph.placement = {0, 0, 300, 200};
        series[0].color = chart::kUpperSeriesColor;
        series[1].color = chart::kLowerSeriesColor;
        series[0].values.fill(30);
        series[1].values.fill(60);
    }
    // Moves every value one point back and appends the new ones, as the feed does.
    void Append(double upper, double lower) {
        for (auto& s : series) std::copy(s.values.begin() + 1, s.values.begin() + 50, s.values.begin());
        series[0].values[49] = upper;
        series[1].values[49] = lower;
    }
    const DibSurface& master() const { return graph.master(); }

    Tmsc_graph graph;
    std::array<Tmsc_series, 2> series;
};

TEST_F(ChartTest, FullRedrawPaintsZonesLinesAndShading) {
    graph.draw_graphic(series.data(), 0);
    const DibSurface& m = master();
    // Upper line at y 118, lower line at y 225 (value 30 and 60); column 200 has no grid.
    EXPECT_EQ(m.Pixel(200, 50), Q(kZone1));
    EXPECT_EQ(m.Pixel(200, 190), Q(kZone2));
    EXPECT_EQ(m.Pixel(200, 280), Q(kZone3));
    EXPECT_EQ(m.Pixel(200, 118), Q(chart::kUpperSeriesColor));
    EXPECT_EQ(m.Pixel(200, 225), Q(chart::kLowerSeriesColor));
    // Relief: the darkest shadow right above a line, the lightest edge right below it.
    EXPECT_EQ(m.Pixel(200, 116), Q(chart::DarkStripRow(kZone1, 9, 10)));
    EXPECT_EQ(m.Pixel(200, 120), Q(chart::LightStripRow(kZone2, 0, 10)));
    EXPECT_EQ(m.Pixel(200, 227), Q(chart::LightStripRow(kZone3, 0, 10)));
    // Highlight under the top of the frame, shadow over its bottom.
    EXPECT_EQ(m.Pixel(200, 3), Q(chart::LightStripRow(kZone1, 0, 10)));
    EXPECT_EQ(m.Pixel(200, 397), Q(chart::DarkStripRow(kZone3, 9, 10)));
    EXPECT_EQ(m.Pixel(200, 2), Q(Tmsc_graph::plot_frame_color));
}

TEST_F(ChartTest, EverythingOutsideTheFrameIsPureWhite) {
    graph.draw_graphic(series.data(), 0);
    const DibSurface& m = master();
    for (auto [x, y] : std::vector<std::pair<int, int>>{
             {0, 0}, {1, 200}, {0, 399}, {398, 50}, {399, 200}, {200, 0}, {50, 1}, {200, 398}, {399, 399}})
        EXPECT_EQ(m.Pixel(x, y), kWhite) << x << ", " << y;
    // The platform reads the same white back.
    EXPECT_EQ(GetPixel(m.dc(), 0, 0), kWhite);
}

TEST_F(ChartTest, GridDarkensWhatLiesUnderIt) {
    graph.draw_graphic(series.data(), 0);
    const DibSurface& m = master();
    EXPECT_EQ(graph.grid_x, 319);
    EXPECT_EQ(m.Pixel(160, 50), Gridded(kZone1, 1));  // vertical line
    EXPECT_EQ(m.Pixel(200, 81), Gridded(kZone1, 1));  // horizontal line
    EXPECT_EQ(m.Pixel(160, 81), Gridded(kZone1, 2));  // crossing
    EXPECT_EQ(m.Pixel(319, 280), Gridded(kZone3, 1));
    EXPECT_EQ(m.Pixel(200, 399), kWhite);  // below the vertical lines' reach
    EXPECT_EQ(m.Pixel(160, 399), Gridded(kWhite, 1));
    // An offset moves the vertical lines within their cell.
    graph.draw_graphic(series.data(), 10);
    EXPECT_EQ(m.Pixel(170, 50), Gridded(kZone1, 1));
    EXPECT_EQ(m.Pixel(160, 50), Q(kZone1));
    EXPECT_EQ(graph.grid_x, 329);
}

TEST_F(ChartTest, ShiftedRedrawScrollsAndDrawsOnlyTheNewStrip) {
    graph.draw_graphic(series.data(), 0);
    const std::array<int, 3> rows{50, 190, 280};
    std::array<std::vector<COLORREF>, 3> before;
    for (int i = 0; i < 3; ++i) before[i] = Row(master(), rows[i]);

    Append(20, 70);
    graph.draw_shifted(series.data(), 8);
    const DibSurface& m = master();
    for (int i = 0; i < 3; ++i)
        for (int x = 3; x < 389; ++x) ASSERT_EQ(m.Pixel(x, rows[i]), before[i][x + 8]) << x << ", " << rows[i];

    // The new segment runs from (389, 118) to about (396, 83) and (389, 225) to (396, 261).
    EXPECT_EQ(m.Pixel(393, 50), Q(kZone1));
    EXPECT_EQ(m.Pixel(393, 190), Q(kZone2));
    EXPECT_EQ(m.Pixel(393, 290), Q(kZone3));
    // The grid moved from 319 to 311, past its limit, so a line entered at 390.
    EXPECT_EQ(graph.grid_x, 390);
    EXPECT_EQ(m.Pixel(390, 50), Gridded(kZone1, 1));
    EXPECT_EQ(m.Pixel(393, 81), Gridded(kZone1, 1));
    EXPECT_EQ(m.Pixel(390, 81), Gridded(kZone1, 2));
    EXPECT_EQ(m.Pixel(0, 50), kWhite);
    EXPECT_EQ(m.Pixel(398, 50), kWhite);
    EXPECT_EQ(m.Pixel(397, 50), Q(Tmsc_graph::plot_frame_color));
}

TEST_F(ChartTest, ScrollWiderThanAGridCellKeepsTheGridOnTheChart) {
    graph.draw_graphic(series.data(), 0);
    graph.draw_shifted(series.data(), 200);
    EXPECT_GE(graph.grid_x, 319);
    EXPECT_LE(graph.grid_x, 397);
    // 319 - 200 = 119, so lines entered at 198, 277 and 356.
    EXPECT_EQ(master().Pixel(277, 50), Gridded(kZone1, 1));
    graph.draw_shifted(series.data(), 60000);
    EXPECT_LE(graph.grid_x, 397);
    EXPECT_EQ(master().Pixel(0, 50), kWhite);
}

TEST_F(ChartTest, ValuesOutOfRangeAreClampedInTheCallersSeries) {
    series[0].values[0] = -5;
    series[1].values[49] = 150;
    graph.draw_graphic(series.data(), 0);
    EXPECT_EQ(series[0].values[0], 0.0);
    EXPECT_EQ(series[0].points[0].y, 12);
    EXPECT_EQ(series[1].values[49], 100.0);
    EXPECT_EQ(series[1].points[49].y, 368);
}

TEST_F(ChartTest, NoLoadDrawsBothLinesAtTheBottom) {
    chart::ChartSeriesStorage storage;
    chart::FeedCharts(nullptr, storage);
    graph.draw_graphic(storage.memory.data(), 0);
    const DibSurface& m = master();
    EXPECT_EQ(storage.memory[1].points[20].y, 368);
    EXPECT_EQ(storage.memory[0].points[20].y, 348);
    EXPECT_EQ(m.Pixel(200, 200), Q(kZone1));
    EXPECT_EQ(m.Pixel(200, 383), Q(kZone3));
}

TEST_F(ChartTest, SingleSeriesHasTwoZones) {
    graph.set_NUM_GRAPHS(1);
    graph.draw_graphic(series.data(), 0);
    const DibSurface& m = master();
    EXPECT_EQ(m.Pixel(200, 50), Q(kZone1));
    EXPECT_EQ(m.Pixel(200, 190), Q(kZone2));
    EXPECT_EQ(m.Pixel(200, 290), Q(kZone2));
    EXPECT_EQ(m.Pixel(200, 397), Q(chart::DarkStripRow(kZone2, 9, 10)));
}

TEST_F(ChartTest, DrawsWithoutPointsOrSeriesLeaveTheMasterAlone) {
    graph.draw_graphic(series.data(), 0);
    const auto before = Row(master(), 190);
    graph.set_NUM_PTS(1);
    graph.draw_graphic(series.data(), 0);
    graph.draw_shifted(series.data(), 8);
    graph.set_NUM_PTS(50);
    graph.set_NUM_GRAPHS(0);
    graph.draw_shifted(series.data(), 8);
    graph.set_NUM_GRAPHS(2);
    graph.draw_graphic(nullptr, 0);
    EXPECT_EQ(Row(master(), 190), before);
}

TEST_F(ChartTest, OutputIsTheMasterStretchedToThePlacement) {
    graph.draw_graphic(series.data(), 0);
    EXPECT_EQ(graph.output().width(), 300);
    EXPECT_EQ(graph.output().height(), 200);
    EXPECT_EQ(graph.output().Pixel(150, 25), Q(kZone1));
    EXPECT_EQ(graph.output().Pixel(150, 140), Q(kZone3));
    graph.placement = {5, 5, 0, -3};
    graph.resize_output();
    EXPECT_EQ(graph.output().width(), 1);
    EXPECT_EQ(graph.output().height(), 1);
    graph.draw_decorations();
}

TEST_F(ChartTest, APlacementTooLargeForASurfaceKeepsTheOldOne) {
    graph.draw_graphic(series.data(), 0);
    graph.placement = {0, 0, 0x7fffffff, 0x7fffffff};
    EXPECT_NO_THROW(graph.resize_output());
    EXPECT_EQ(graph.output().width(), 300);
    EXPECT_EQ(graph.output().height(), 200);
    EXPECT_EQ(graph.output().Pixel(150, 25), Q(kZone1));
}

TEST_F(ChartTest, DecorationsPlaceCaptionAxesAndLabels) {
    graph.set_title(L"Memory", L"Times New Roman", 0.1, 0.1, 16, 0);
    graph.draw_graphic(series.data(), 0);
    graph.draw_decorations();
    const DibSurface& out = graph.output();
    // Caption: black text inside the 200 x 40 block at (30, 20).
    int left = 300, top = 200, right = -1, bottom = -1, count = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 20; x < 280; ++x)
            if (out.Pixel(x, y) == RGB(0, 0, 0)) {
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x), bottom = std::max(bottom, y);
                ++count;
            }
    EXPECT_GT(count, 50);
    EXPECT_GE(left, 30);
    EXPECT_LE(left, 36);
    EXPECT_GE(top, 20);
    EXPECT_LE(top, 32);
    EXPECT_LT(right, 230);
    EXPECT_LT(bottom, 60);
    // Red axes along the left and bottom edges.
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(out.Pixel(15, 100), red);
    EXPECT_EQ(out.Pixel(150, 184), red);
    // Red text AND-combined onto a zone keeps only the zone's red channel.
    auto any = [&](int x0, int y0, int x1, int y1, auto matches) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (matches(out.Pixel(x, y))) return true;
        return false;
    };
    auto reddish = [](COLORREF c) { return GetRValue(c) > 0 && GetGValue(c) == 0 && GetBValue(c) == 0; };
    auto black = [](COLORREF c) { return c == RGB(0, 0, 0); };
    EXPECT_TRUE(any(12, 17, 15, 22, [&](COLORREF c) { return c == red; }));  // arrow head of the y axis
    EXPECT_TRUE(any(0, 7, 12, 15, reddish));                                 // "%"
    EXPECT_TRUE(any(285, 186, 300, 200, reddish));                           // "t"
    EXPECT_TRUE(any(0, 186, 14, 200, black));                                // "0"
    EXPECT_TRUE(any(0, 100, 14, 112, black));                                // "50"
    EXPECT_TRUE(any(0, 22, 15, 34, black));                                  // "100"

    std::vector<std::vector<COLORREF>> first;
    for (int y = 0; y < 200; ++y) first.push_back(Row(out, y));
    graph.draw_decorations();
    for (int y = 0; y < 200; ++y) ASSERT_EQ(Row(out, y), first[y]) << "row " << y;
}

// A chart on a real window: it shows itself only while visible, but keeps drawing.
class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = L"ChartTestParent";
        RegisterClassW(&wc);
        window = CreateWindowExW(
            WS_EX_TOPMOST, L"ChartTestParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
            wc.hInstance, nullptr
        );
        ASSERT_NE(window, nullptr);
        UpdateWindow(window);
        Pump();
    }
    void TearDown() override { DestroyWindow(window); }
    static void Pump() {
        for (int i = 0; i < 10; ++i) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(20);
        }
    }
    COLORREF OnWindow(int x, int y) const {
        platform::WindowDc dc(window);
        return GetPixel(dc.Get(), x, y);
    }
    HWND window = nullptr;
};

TEST_F(ChartWindowTest, HiddenChartsKeepDrawingAndShowTheCurrentPictureLater) {
    Tmsc_graph graph(nullptr, window);
    graph.set_NUM_PTS(50);
    graph.set_NUM_GRAPHS(1);
    for (int z = 0; z < 3; ++z) graph.zones[z].color = chart::kZoneColors[z];
    graph.placement = {20, 20, 200, 200};
    std::array<Tmsc_series, 1> series;
    series[0].values.fill(50);

    graph.set_Visible(false);
    graph.draw_graphic(series.data(), 0);
    series[0].values[49] = 10;
    graph.draw_shifted(series.data(), 8);
    EXPECT_EQ(OnWindow(120, 40), RGB(0, 0, 0));
    EXPECT_EQ(graph.output().Pixel(100, 20), Q(kZone1));
    EXPECT_EQ(graph.grid_x, 390);

    graph.set_Visible(true);
    graph.present();
    EXPECT_EQ(OnWindow(120, 40), Q(kZone1));
    EXPECT_EQ(OnWindow(10, 10), RGB(0, 0, 0));
}

}  // namespace
