#pragma once
#include <windows.h>

#include <array>

#include "core/chart/chart_feed.h"
#include "core/chart/chart_layout.h"

namespace controls {
class Tmsc_graph;
}

// The main window's three charts (Memory, Processor, Page file): their series, the feed from
// the status block, the timer's scrolling, the five layouts and the painting.
namespace app {

class MainCharts {
public:
    // The charts are components of the main window: not owned.
    void Attach(controls::Tmsc_graph* memory, controls::Tmsc_graph* processor, controls::Tmsc_graph* pageFile);

    // Titles, point and series counts and zone colours; layouts requested before this are ignored.
    void SetupCharts();
    // One timer step: the grid phase moves, the newest samples are fed in and every chart,
    // shown or hidden, scrolls by one point.
    void Tick(const void* block);
    // n = 1..5 chooses a layout, -1 repeats the current one (0 before any choice, which
    // places nothing). False before SetupCharts, when nothing was done.
    bool LayoutCharts(int n, const chart::ClientArea& area, const void* block);
    void Paint(HDC canvas);
    // After a language switch: captions in the new language, redrawn from the current values.
    void RetitleCharts();

    int CurrentLayout() const { return layout_.CurrentLayout(); }
    const chart::ChartSeriesStorage& Series() const { return series_; }

private:
    chart::Tmsc_series* SeriesOf(int chart);
    void Title(int chart);

    std::array<controls::Tmsc_graph*, chart::kChartCount> graphs_{};  // not owned
    chart::ChartSeriesStorage series_;
    chart::LayoutChoice layout_;
    chart::GridPhase phase_;
};

// Status-bar panel 0: the boost progress in percent, with its caption over the bar.
void DrawBoostProgress(HDC dc, const RECT& panel, int percent);

}  // namespace app
