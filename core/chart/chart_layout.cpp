#include "core/chart/chart_layout.h"

#include "core/chart/rounding.h"

namespace chart {
namespace {

constexpr int kMargin = 5;
constexpr int kRepeatLast = -1;

ChartRect Rect(int left, int top, int width, int height) {
    return {left, top, width < 0 ? 1 : width, height < 0 ? 1 : height};
}

}  // namespace

std::optional<ChartArrangement> ArrangeCharts(int layout, const ClientArea& area) {
    const int top = kMargin + area.toolbar_height;
    const int free_height = area.height - area.toolbar_height - area.status_bar_height;
    const int full_width = area.width - 2 * kMargin;
    const int full_height = free_height - 2 * kMargin;

    ChartArrangement result;
    switch (layout) {
        case 1: {
            const int h = static_cast<int>(Nearest((free_height - 4 * kMargin) / 3.0));
            for (int i = 0; i < kChartCount; ++i)
                result.placement[i] = Rect(kMargin, top + i * (kMargin + h), full_width, h);
            result.shown = {true, true, true};
            return result;
        }
        case 2: {
            const int w = (area.width - 4 * kMargin) / 3;
            for (int i = 0; i < kChartCount; ++i)
                result.placement[i] = Rect(kMargin + i * (kMargin + w), top, w, full_height);
            result.shown = {true, true, true};
            return result;
        }
        case 3:
        case 4:
        case 5: {
            const int only = layout - 3;
            result.placement[only] = Rect(kMargin, top, full_width, full_height);
            result.shown[only] = true;
            return result;
        }
        default:
            return std::nullopt;
    }
}

std::optional<int> LayoutChoice::Request(int n) {
    if (!charts_ready_) return std::nullopt;
    if (n != kRepeatLast) current_layout_ = n;
    return current_layout_;
}

}  // namespace chart
