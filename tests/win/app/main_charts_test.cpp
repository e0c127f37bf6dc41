// The main window's chart object itself: feed, layouts, ticks and the boost panel, on charts
// without a window.
#include "app/main_charts.h"

#include <gtest/gtest.h>

#include "core/service/status_block.h"
#include "tests/win/controls/chart_rig.h"

namespace {

const chart::ClientArea kArea{424, 300, 51, 19};

int NewestMemoryPoint(ChartRig& rig) { return static_cast<int>(rig.Charts().Series().memory[0].values[49]); }
int NewestMemorySample(ChartRig& rig) { return statusblock::ReadSample(rig.Block(), statusblock::History::Memory, 0); }

}  // namespace

TEST(MainCharts, NoLayoutBeforeTheChartsAreSetUp) {
    controls::Tmsc_graph a, b, c;
    app::MainCharts charts;
    charts.Attach(&a, &b, &c);
    EXPECT_FALSE(charts.LayoutCharts(1, kArea, nullptr));
    EXPECT_EQ(charts.CurrentLayout(), 0);
    EXPECT_NE(a.full_redraw, 0);
}

TEST(MainCharts, LayoutZeroStillFeedsSizesAndDrawsButPlacesAndHidesNothing) {
    ChartRig rig(nullptr);
    const chart::ChartRect before = rig.Chart(0).placement;
    EXPECT_TRUE(rig.Layout(-1, kArea));  // no choice yet: layout 0
    EXPECT_EQ(rig.Charts().CurrentLayout(), 0);
    for (int i = 0; i < chart::kChartCount; ++i) {
        EXPECT_EQ(rig.Chart(i).full_redraw, 0) << i;  // the first full redraw ran
        EXPECT_TRUE(rig.Chart(i).Visible()) << i;
    }
    EXPECT_EQ(rig.Chart(0).placement, before);
    EXPECT_EQ(NewestMemoryPoint(rig), 100 - NewestMemorySample(rig));
}

TEST(MainCharts, LayoutsPlaceShowAndRescaleTheCharts) {
    ChartRig rig(nullptr);
    ASSERT_TRUE(rig.Layout(1, kArea));
    EXPECT_EQ(rig.Chart(1).placement, (chart::ChartRect{5, 131, 414, 70}));
    EXPECT_EQ(rig.Chart(2).output().height(), 70);
    for (int i = 0; i < chart::kChartCount; ++i) EXPECT_TRUE(rig.Chart(i).Visible());

    ASSERT_TRUE(rig.Layout(4, kArea));
    EXPECT_FALSE(rig.Chart(0).Visible());
    EXPECT_TRUE(rig.Chart(1).Visible());
    EXPECT_FALSE(rig.Chart(2).Visible());
    EXPECT_EQ(rig.Chart(1).output().width(), 414);

    // A resize repeats the current layout in the new area.
    ASSERT_TRUE(rig.Layout(-1, {600, 400, 0, 0}));
    EXPECT_EQ(rig.Charts().CurrentLayout(), 4);
    EXPECT_EQ(rig.Chart(1).output().width(), 590);
    EXPECT_EQ(rig.Chart(1).output().height(), 390);
}

TEST(MainCharts, EveryTickFeedsTheNewestSamplesToShownAndHiddenCharts) {
    ChartRig rig(nullptr);
    ASSERT_TRUE(rig.Layout(5, kArea));  // only the page file shows
    for (int step = 0; step < 3; ++step) {
        rig.AdvanceService();
        rig.Tick();
        EXPECT_EQ(NewestMemoryPoint(rig), 100 - NewestMemorySample(rig)) << step;
    }
    EXPECT_EQ(
        rig.Charts().Series().page_file[0].values[49],
        100 - statusblock::ReadSample(rig.Block(), statusblock::History::PageFile, 0)
    );
}

TEST(BoostPanel, TheBarFillsItsShareOfThePanel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 120;
    info.bmiHeader.biHeight = -20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(bitmap);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT panel{0, 0, 120, 20};
    auto bottomRow = [&](int x) { return GetPixel(dc, x, 19); };

    app::DrawBoostProgress(dc, panel, 50);
    EXPECT_EQ(bottomRow(0), RGB(0, 255, 0));
    EXPECT_EQ(bottomRow(59), RGB(0, 255, 0));
    EXPECT_EQ(bottomRow(60), RGB(0, 128, 0));
    EXPECT_EQ(bottomRow(119), RGB(0, 128, 0));

    app::DrawBoostProgress(dc, panel, 0);
    EXPECT_EQ(bottomRow(0), RGB(0, 128, 0));
    app::DrawBoostProgress(dc, panel, 100);
    EXPECT_EQ(bottomRow(119), RGB(0, 255, 0));

    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}
