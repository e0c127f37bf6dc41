#include "core/chart/shade_colors.h"

#include <cstdlib>

#include "core/chart/rounding.h"

namespace chart {
namespace {

// The strips fade over depth + 18 steps, so even the strongest row keeps some zone colour.
constexpr int kFadeSpan = 18;

template <typename ChannelRule>
Color PerChannel(Color c, ChannelRule rule) {
    return Rgb(rule(RedOf(c)), rule(GreenOf(c)), rule(BlueOf(c)));
}

}  // namespace

Color LightStripRow(Color zone, int k, int depth) {
    return PerChannel(zone, [&](int v) {
        return v + static_cast<int>(Nearest(static_cast<double>(depth - k) * (255 - v) / (depth + kFadeSpan)));
    });
}

Color DarkStripRow(Color zone, int k, int depth) {
    return PerChannel(zone, [&](int v) {
        return v - static_cast<int>(Nearest(static_cast<double>(k) * v / (depth + kFadeSpan)));
    });
}

Color Darken(Color c, int amount) {
    return PerChannel(c, [&](int v) { return std::abs(v - amount); });
}

}  // namespace chart
