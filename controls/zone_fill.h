#pragma once
#include <windows.h>

#include <optional>

#include "controls/dib_surface.h"
#include "core/chart/graph_model.h"

namespace controls {

// Zones are filled by flooding the white area next to a series line. The seed is searched
// from a point of the line, `line_width` pixels away from it, walking away from the line
// until a white pixel turns up; a column without one passes the search to the next column
// on the right, up to the right edge of the plot.
std::optional<POINT> FindSeedAbove(const DibSurface& surface, const chart::GraphModel& graph, chart::ChartPoint from);
std::optional<POINT> FindSeedBelow(const DibSurface& surface, const chart::GraphModel& graph, chart::ChartPoint from);

// Paints the white area connected to the seed (if there is one) in `color`.
void FloodZone(DibSurface& surface, std::optional<POINT> seed, COLORREF color);

}  // namespace controls
