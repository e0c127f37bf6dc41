#include "core/app/view_state.h"

namespace app {

ViewState ViewState::FromBits(int bits) {
    ViewState v;
    v.toolbar = bits & kToolbarBit;
    v.statusBar = bits & kStatusBarBit;
    for (int i = 0; i < kIntervalCount; ++i) v.intervals[i] = bits & (kIntervalBits << i);
    for (int i = 0; i < kChartChoiceCount; ++i) v.charts[i] = bits & (kChartBits << i);
    return v;
}

int ViewState::ToBits() const {
    int bits = (toolbar ? kToolbarBit : 0) | (statusBar ? kStatusBarBit : 0);
    for (int i = 0; i < kIntervalCount; ++i)
        if (intervals[i]) bits |= kIntervalBits << i;
    for (int i = 0; i < kChartChoiceCount; ++i)
        if (charts[i]) bits |= kChartBits << i;
    return bits;
}

std::optional<int> ViewState::IntervalMs() const {
    std::optional<int> ms;
    for (int i = 0; i < kIntervalCount; ++i)
        if (intervals[i]) ms = kIntervalsMs[i];
    return ms;
}

std::optional<int> ViewState::Layout() const {
    std::optional<int> layout;
    for (int i = 0; i < kChartChoiceCount; ++i)
        if (charts[i]) layout = i + 1;
    return layout;
}

}  // namespace app
