#include "tests/win/controls/chart_rig.h"

#include <algorithm>
#include <cmath>

#include "core/service/status_block.h"

using statusblock::History;

namespace {

constexpr const wchar_t* kCaptions[] = {L"Memory", L"Processor", L"Page file"};

int Wave(double mean, double amplitude, double period, int t) {
    return static_cast<int>(std::lround(mean + amplitude * std::sin(t * 6.283185307 / period)));
}

}  // namespace

ChartRig::ChartRig(HWND parent) : block_(statusblock::kBlockSize) {
    for (int i = 0; i < statusblock::kHistoryLength; ++i) AdvanceService();
    const std::uint16_t graphs[] = {2, 1, 1};
    for (int i = 0; i < chart::kChartCount; ++i) {
        charts_[i] = std::make_unique<controls::Tmsc_graph>(nullptr, parent);
        controls::Tmsc_graph& c = *charts_[i];
        c.set_title(kCaptions[i], L"Times New Roman", 0.1, 0.1, 16, 0);
        c.set_NUM_PTS(chart::kFedPoints);
        c.set_NUM_GRAPHS(graphs[i]);
        for (int z = 0; z < 3; ++z) c.zones[z].color = chart::kZoneColors[z];
    }
}

void ChartRig::AdvanceService() {
    void* b = block_.data();
    const int t = time_++;
    statusblock::PushSample(b, History::Memory, Wave(62, 22, 37, t) + t % 3);
    statusblock::PushSample(b, History::MemoryReference, Wave(18, 8, 23, t));
    statusblock::PushSample(b, History::Processor, std::clamp(Wave(35, 30, 13, t) + (t * 7919) % 11, 0, 100));
    statusblock::PushSample(b, History::PageFile, Wave(45, 12, 61, t));
}

std::array<controls::Tmsc_series*, chart::kChartCount> ChartRig::SeriesOf() {
    return {series_.memory.data(), series_.processor.data(), series_.page_file.data()};
}

void ChartRig::Tick() {
    phase_.Tick();
    chart::FeedCharts(block_.data(), series_);
    const auto series = SeriesOf();
    for (int i = 0; i < chart::kChartCount; ++i) charts_[i]->draw_shifted(series[i], chart::ScrollShift(*charts_[i]));
}

void ChartRig::RedrawAll() {
    const auto series = SeriesOf();
    for (int i = 0; i < chart::kChartCount; ++i) {
        controls::Tmsc_graph& c = *charts_[i];
        c.draw_graphic(series[i], phase_.GridOffset(c.surface_width(), c.grid_divisions));
    }
}

void ChartRig::Layout(int n, const chart::ClientArea& area) {
    const auto arrangement = chart::ArrangeCharts(n, area);
    if (arrangement)
        for (int i = 0; i < chart::kChartCount; ++i) {
            if (arrangement->placement[i]) charts_[i]->placement = *arrangement->placement[i];
            charts_[i]->set_Visible(arrangement->shown[i]);
        }
    chart::FeedCharts(block_.data(), series_);
    const auto series = SeriesOf();
    for (int i = 0; i < chart::kChartCount; ++i) {
        controls::Tmsc_graph& c = *charts_[i];
        c.resize_output();
        if (c.full_redraw) {
            c.draw_graphic(series[i], phase_.GridOffset(c.surface_width(), c.grid_divisions));
            c.full_redraw = 0;
        }
    }
}

void ChartRig::Paint(HDC canvas) {
    for (auto& c : charts_)
        if (c->Visible()) {
            c->draw_decorations();
            c->copy_output_to(canvas);
        }
}
