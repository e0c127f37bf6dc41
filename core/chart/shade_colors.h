#pragma once
#include "core/chart/chart_types.h"

namespace chart {

// Row k (0 .. depth - 1) of the strip that lightens a zone colour toward white; row 0 is
// the lightest.
Color LightStripRow(Color zone, int k, int depth);
// Row k of the strip that darkens a zone colour; row 0 is the colour itself.
Color DarkStripRow(Color zone, int k, int depth);

// A grid pixel: every channel v becomes |v - amount|, so channels below `amount` mirror
// instead of clipping.
Color Darken(Color c, int amount);

}  // namespace chart
