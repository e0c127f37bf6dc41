#pragma once
#include <array>
#include <optional>

#include "core/chart/chart_types.h"

namespace chart {

inline constexpr int kChartCount = 3;

// The main window's client area; a hidden bar counts with height 0.
struct ClientArea {
    int width = 0;
    int height = 0;
    int toolbar_height = 0;
    int status_bar_height = 0;
};

// Where each chart goes and which are shown. A chart without a placement keeps its old one.
struct ChartArrangement {
    std::array<std::optional<ChartRect>, kChartCount> placement;
    std::array<bool, kChartCount> shown{};
};

// Layouts 1 "Tile horizontaly", 2 "Tile vertically", 3 Memory, 4 Processor, 5 Page file.
// Any other number arranges nothing. Sizes that would come out negative become 1.
std::optional<ChartArrangement> ArrangeCharts(int layout, const ClientArea& area);

// Which layout a request stands for: nothing before the charts exist, and -1 repeats the
// last one (initially 0, which arranges nothing).
class LayoutChoice {
public:
    void MarkChartsReady() { charts_ready_ = true; }
    bool ChartsReady() const { return charts_ready_; }
    int CurrentLayout() const { return current_layout_; }
    std::optional<int> Request(int n);

private:
    bool charts_ready_ = false;
    int current_layout_ = 0;
};

}  // namespace chart
