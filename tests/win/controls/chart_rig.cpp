#include "tests/win/controls/chart_rig.h"

#include <algorithm>
#include <cmath>

#include "core/service/status_block.h"

using statusblock::History;

namespace {

int Wave(double mean, double amplitude, double period, int t) {
    return static_cast<int>(std::lround(mean + amplitude * std::sin(t * 6.283185307 / period)));
}

}  // namespace

ChartRig::ChartRig(HWND parent) : block_(statusblock::kBlockSize) {
    for (int i = 0; i < statusblock::kHistoryLength; ++i) AdvanceService();
    for (auto& g : graphs_) g = std::make_unique<controls::Tmsc_graph>(nullptr, parent);
    charts_.Attach(graphs_[0].get(), graphs_[1].get(), graphs_[2].get());
    charts_.SetupCharts();
}

void ChartRig::AdvanceService() {
    void* b = block_.data();
    const int t = time_++;
    statusblock::PushSample(b, History::Memory, Wave(62, 22, 37, t) + t % 3);
    statusblock::PushSample(b, History::MemoryReference, Wave(18, 8, 23, t));
    statusblock::PushSample(b, History::Processor, std::clamp(Wave(35, 30, 13, t) + (t * 7919) % 11, 0, 100));
    statusblock::PushSample(b, History::PageFile, Wave(45, 12, 61, t));
}

void ChartRig::RedrawAll() {
    chart::ChartSeriesStorage series = charts_.Series();
    graphs_[0]->draw_graphic(series.memory.data(), 0);
    graphs_[1]->draw_graphic(series.processor.data(), 0);
    graphs_[2]->draw_graphic(series.page_file.data(), 0);
}
