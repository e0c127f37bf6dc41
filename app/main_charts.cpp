#include "app/main_charts.h"

#include "controls/msc_graph.h"
#include "core/chart/rounding.h"
#include "platform/handles.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"

namespace app {
namespace {

constexpr unsigned kCaptions[chart::kChartCount] = {str::SChartMemory, str::SChartProcessor, str::SChartPageFile};
constexpr int kSeriesCounts[chart::kChartCount] = {2, 1, 1};

}  // namespace

void MainCharts::Attach(controls::Tmsc_graph* memory, controls::Tmsc_graph* processor, controls::Tmsc_graph* pageFile) {
    graphs_ = {memory, processor, pageFile};
}

chart::Tmsc_series* MainCharts::SeriesOf(int chart) {
    switch (chart) {
        case 0:
            return series_.memory.data();
        case 1:
            return series_.processor.data();
        default:
            return series_.page_file.data();
    }
}

void MainCharts::Title(int chart) {
    graphs_[chart]->set_title(platform::LoadResString(kCaptions[chart]), L"Times New Roman", 0.1, 0.1, 16, 0);
}

void MainCharts::SetupCharts() {
    for (int i = 0; i < chart::kChartCount; ++i) {
        controls::Tmsc_graph& g = *graphs_[i];
        Title(i);
        g.set_NUM_PTS(chart::kFedPoints);
        g.set_NUM_GRAPHS(static_cast<std::uint16_t>(kSeriesCounts[i]));
        for (int z = 0; z < 3; ++z) g.zones[z].color = chart::kZoneColors[z];
    }
    layout_.MarkChartsReady();
}

void MainCharts::Tick(const void* block) {
    phase_.Tick();
    chart::FeedCharts(block, series_);
    for (int i = 0; i < chart::kChartCount; ++i) graphs_[i]->draw_shifted(SeriesOf(i), chart::ScrollShift(*graphs_[i]));
}

bool MainCharts::LayoutCharts(int n, const chart::ClientArea& area, const void* block) {
    std::optional<int> layout = layout_.Request(n);
    if (!layout) return false;
    // Layout 0 (no chart choice yet) places nothing and shows or hides nothing; the charts
    // are still fed, sized and drawn, so a later choice finds them current.
    std::optional<chart::ChartArrangement> arrangement = chart::ArrangeCharts(*layout, area);
    chart::FeedCharts(block, series_);
    for (int i = 0; i < chart::kChartCount; ++i) {
        controls::Tmsc_graph& g = *graphs_[i];
        if (arrangement) {
            if (arrangement->placement[i]) g.placement = *arrangement->placement[i];
            g.set_Visible(arrangement->shown[i]);
        }
        g.resize_output();
        if (g.full_redraw != 0) {
            g.draw_graphic(SeriesOf(i), phase_.GridOffset(g.surface_width(), g.grid_divisions));
            g.full_redraw = 0;
        }
    }
    return true;
}

void MainCharts::Paint(HDC canvas) {
    for (controls::Tmsc_graph* g : graphs_) {
        if (!g->Visible()) continue;
        g->draw_decorations();
        g->copy_output_to(canvas);
    }
}

void MainCharts::RetitleCharts() {
    for (int i = 0; i < chart::kChartCount; ++i) {
        Title(i);
        graphs_[i]->draw_shifted(SeriesOf(i), chart::ScrollShift(*graphs_[i]));
    }
}

void DrawBoostProgress(HDC dc, const RECT& panel, int percent) {
    platform::BrushHandle background(CreateSolidBrush(RGB(0, 128, 0)));
    FillRect(dc, &panel, background.Get());
    int width = static_cast<int>(chart::Nearest((panel.right - panel.left) / 100.0 * percent));
    RECT bar{panel.left, panel.top, panel.left + width, panel.bottom};
    platform::BrushHandle progress(CreateSolidBrush(RGB(0, 255, 0)));
    FillRect(dc, &bar, progress.Get());
    std::wstring caption = platform::LoadResString(str::SBoostProgress);
    RECT text = panel;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

}  // namespace app
