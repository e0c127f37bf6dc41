#pragma once
#include <array>
#include <cstdint>

#include "core/chart/chart_types.h"

namespace chart {

inline constexpr Color kUpperSeriesColor = Rgb(247, 199, 0);
inline constexpr Color kLowerSeriesColor = Rgb(247, 73, 0);
// Above the upper line, between the lines (or below a single line), below the lower line.
inline constexpr std::array<Color, 3> kZoneColors = {Rgb(123, 235, 140), Rgb(255, 219, 123), Rgb(255, 166, 123)};

// Points per chart on the main window; the feed fills exactly these.
inline constexpr int kFedPoints = 50;

// The main window's series, one pair per chart, kept for the whole run. Every chart gets
// a pair so that each can be handed over as a contiguous array; the Processor and Page
// file charts draw only their first record.
struct ChartSeriesStorage {
    std::array<Tmsc_series, 2> memory;     // memory load, memory reference
    std::array<Tmsc_series, 2> processor;  // processor
    std::array<Tmsc_series, 2> page_file;  // page file

    ChartSeriesStorage();
};

// Copies the newest samples of the status block into the series: block element 0 becomes
// the last point. The chart draws 0 at the top, so each percentage p is stored as 100 - p,
// and the memory reference line lies below the load line by the reference value. Without
// a block (nullptr) every sample reads as 0, so the charts show no load.
void FeedCharts(const void* block, ChartSeriesStorage& series);

// Phase of the vertical grid for a full redraw; moves back a little on every timer tick.
struct GridPhase {
    double value = 0.0;

    void Tick() { value -= 0.1; }
    std::uint16_t GridOffset(int surface_width, int grid_divisions) const;
};

}  // namespace chart
