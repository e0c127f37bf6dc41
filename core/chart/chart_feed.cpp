#include "core/chart/chart_feed.h"

#include "core/chart/rounding.h"
#include "core/service/status_block.h"

namespace chart {
namespace {

using statusblock::History;

std::int64_t Sample(const void* block, History history, int k) {
    return block ? statusblock::ReadSample(block, history, k) : 0;
}

}  // namespace

ChartSeriesStorage::ChartSeriesStorage() {
    memory[0].color = kUpperSeriesColor;
    memory[1].color = kLowerSeriesColor;
    processor = memory;
    page_file = memory;
}

void FeedCharts(const void* block, ChartSeriesStorage& series) {
    // Wide arithmetic: a foreign block may hold any 32-bit values, and the chart clamps
    // whatever comes out of range.
    for (int k = 0; k < kFedPoints; ++k) {
        const int index = kFedPoints - 1 - k;
        const std::int64_t memory = Sample(block, History::Memory, k);
        const std::int64_t reference = Sample(block, History::MemoryReference, k);
        series.memory[0].values[index] = static_cast<double>(100 - memory);
        series.memory[1].values[index] = static_cast<double>(100 - (memory - reference));
        series.processor[0].values[index] = static_cast<double>(100 - Sample(block, History::Processor, k));
        series.page_file[0].values[index] = static_cast<double>(100 - Sample(block, History::PageFile, k));
    }
}

std::uint16_t GridPhase::GridOffset(int surface_width, int grid_divisions) const {
    // The offset is a 16-bit phase: negative values wrap, which the chart reduces modulo
    // its grid spacing anyway.
    return static_cast<std::uint16_t>(Trunc(surface_width * value / (grid_divisions + 1)));
}

}  // namespace chart
