#include "controls/grid_lines.h"

#include "core/chart/shade_colors.h"

namespace controls {
namespace {

using chart::GraphModel;

COLORREF Darkened(COLORREF c) { return chart::Darken(c, GraphModel::grid_darken); }

// Columns span the whole master but half a border.
void DarkenColumn(DibSurface& s, const GraphModel& g, int x) {
    const int half = g.bordersize() / 2;
    s.RecolorRect(x, half, x, GraphModel::kMasterSize - half, Darkened);
}

void DarkenRows(DibSurface& s, const GraphModel& g, int from_x, int to_x) {
    for (int j = 1; j < GraphModel::grid_divisions; ++j) {
        const int y = g.horizontal_grid_y(j);
        s.RecolorRect(from_x, y, to_x, y, Darkened);
    }
}

}  // namespace

void DarkenFullGrid(DibSurface& master, GraphModel& graph, std::uint16_t grid_offset) {
    for (int j = 0; j < GraphModel::grid_divisions; ++j) {
        const int x = graph.vertical_grid_x(grid_offset, j);
        DarkenColumn(master, graph, x);
        graph.grid_x = static_cast<std::uint16_t>(x);
    }
    const int half = graph.bordersize() / 2;
    DarkenRows(master, graph, half, GraphModel::kMasterSize - half);
}

void DarkenShiftedGrid(DibSurface& master, GraphModel& graph, std::uint16_t shift) {
    for (int x : graph.shift_grid(shift)) DarkenColumn(master, graph, x);
    const int b = graph.bordersize();
    DarkenRows(master, graph, GraphModel::kMasterSize - b - shift - 1, GraphModel::kMasterSize - b / 2);
}

}  // namespace controls
