#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "controls/msc_graph.h"
#include "core/chart/chart_feed.h"
#include "core/chart/chart_layout.h"

// Three charts set up, fed and laid out the way the main window does it, fed from a
// status block that a simulated service fills with smoothly varying loads.
class ChartRig {
public:
    explicit ChartRig(HWND parent);

    // The simulated service publishes one new sample in every history.
    void AdvanceService();
    // One chart timer tick: grid phase, feed, one scroll step per chart.
    void Tick();
    // Places the charts for layout n (1 .. 5) and runs each chart's first full redraw.
    void Layout(int n, const chart::ClientArea& area);
    // What the window's paint handler does.
    void Paint(HDC canvas);
    // A full redraw of every chart, as the first layout runs it.
    void RedrawAll();

    controls::Tmsc_graph& Chart(int i) { return *charts_[i]; }

private:
    std::array<controls::Tmsc_series*, chart::kChartCount> SeriesOf();

    std::vector<unsigned char> block_;
    int time_ = 0;
    chart::ChartSeriesStorage series_;
    chart::GridPhase phase_;
    std::array<std::unique_ptr<controls::Tmsc_graph>, chart::kChartCount> charts_;
};
