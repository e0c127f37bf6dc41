#pragma once
#include <cmath>
#include <cstdint>

namespace chart {

// Cuts toward zero.
inline std::int64_t Trunc(double v) { return static_cast<std::int64_t>(v); }

// Rounds to the nearest integer with halves going to the even neighbour, so 2.5 gives 2
// and 3.5 gives 4; the chart's spacing rules are stated with this rounding.
inline std::int64_t Nearest(double v) {
    double rounded = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) rounded = 2.0 * std::round(v / 2.0);
    return static_cast<std::int64_t>(rounded);
}

}  // namespace chart
