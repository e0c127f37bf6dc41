#include "core/chart/decoration_layout.h"

#include "core/chart/rounding.h"

namespace chart {

ChartPoint CaptionOrigin(int width, int height, double title_x, double title_y) {
    return {static_cast<std::int32_t>(Trunc(width * title_x)), static_cast<std::int32_t>(Trunc(height * title_y))};
}

std::array<Segment, 6> AxisSegments(int width, int height) {
    const ChartPoint y_tip{15, 15};
    const ChartPoint x_tip{width - 15, height - 16};
    return {{
        {{15, height - 8}, y_tip},
        {y_tip, {12, 22}},
        {y_tip, {18, 22}},
        {{7, height - 16}, x_tip},
        {x_tip, {width - 22, height - 19}},
        {x_tip, {width - 22, height - 13}},
    }};
}

std::array<AxisLabel, 5> AxisLabels(int width, int height) {
    constexpr Color red = kAxisColor;
    constexpr Color black = kLabelColor;
    return {{
        {L"%", red, 8, 15, true, 7},
        {L"t", red, 8, width - 15, false, height - 15},
        {L"0", black, 6, 14, true, height - 15},
        {L"50", black, 6, 14, true, height / 2},
        {L"100", black, 6, 15, true, 22},
    }};
}

}  // namespace chart
