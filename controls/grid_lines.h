#pragma once
#include "controls/dib_surface.h"
#include "core/chart/graph_model.h"

namespace controls {

// Grid lines are not drawn over the picture but darken the pixels under them, so the
// zones and lines stay recognisable through the grid; where lines cross, twice.

// The whole grid of a full redraw; sets the graph's grid_x to its rightmost vertical line.
void DarkenFullGrid(DibSurface& master, chart::GraphModel& graph, std::uint16_t grid_offset);
// The grid of the strip that a scroll of `shift` pixels brought in on the right.
void DarkenShiftedGrid(DibSurface& master, chart::GraphModel& graph, std::uint16_t shift);

}  // namespace controls
