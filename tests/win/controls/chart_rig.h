#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "app/main_charts.h"
#include "controls/msc_graph.h"

// The main window's chart object with its three charts, fed from a status block that a
// simulated service fills with smoothly varying loads.
class ChartRig {
public:
    explicit ChartRig(HWND parent);

    // The simulated service publishes one new sample in every history.
    void AdvanceService();
    // One chart timer tick of the main window.
    void Tick() { charts_.Tick(block_.data()); }
    // The main window's layout request: n = 1 .. 5, or -1 to repeat the current layout.
    bool Layout(int n, const chart::ClientArea& area) { return charts_.LayoutCharts(n, area, block_.data()); }
    // What the main window's paint handler does.
    void Paint(HDC canvas) { charts_.Paint(canvas); }
    // A full redraw of every chart from the current values, as the first layout runs it.
    void RedrawAll();

    controls::Tmsc_graph& Chart(int i) { return *graphs_[i]; }
    app::MainCharts& Charts() { return charts_; }
    const void* Block() const { return block_.data(); }

private:
    std::vector<unsigned char> block_;
    int time_ = 0;
    std::array<std::unique_ptr<controls::Tmsc_graph>, chart::kChartCount> graphs_;
    app::MainCharts charts_;
};
