#pragma once
#include <array>

#include "core/chart/chart_types.h"

namespace chart {

// The decorations are drawn on the scaled output, at fixed pixel offsets from its edges.
inline constexpr Color kAxisColor = Rgb(255, 0, 0);
inline constexpr Color kLabelColor = Rgb(0, 0, 0);

// Texts are written on a 200 x 100 scratch surface and AND-combined into the output; the
// caption takes the scratch's top 200 x 40 pixels, a label a 40 x 40 block.
inline constexpr int kScratchWidth = 200;
inline constexpr int kScratchHeight = 100;
inline constexpr int kCaptionBlockHeight = 40;
inline constexpr int kLabelBlockSize = 40;

struct Segment {
    ChartPoint from;
    ChartPoint to;
    bool operator==(const Segment&) const = default;
};

// Top-left corner of the caption block on an output of width x height.
ChartPoint CaptionOrigin(int width, int height, double title_x, double title_y);

// The y axis, the x axis and their arrow heads.
std::array<Segment, 6> AxisSegments(int width, int height);

struct AxisLabel {
    const wchar_t* text;
    Color color;
    int point_size;
    // x is the label's right edge when `ends_at_x`, else its left edge.
    int x;
    bool ends_at_x;
    int y;
};

std::array<AxisLabel, 5> AxisLabels(int width, int height);

}  // namespace chart
