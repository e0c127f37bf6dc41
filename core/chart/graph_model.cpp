#include "core/chart/graph_model.h"

#include <algorithm>

#include "core/chart/rounding.h"

namespace chart {

void GraphModel::set_NUM_PTS(std::uint16_t value) { num_pts_ = std::min<std::uint16_t>(value, kMaxPoints); }

void GraphModel::set_NUM_GRAPHS(std::uint16_t value) { num_graphs_ = std::min<std::uint16_t>(value, kMaxGraphs); }

std::uint16_t GraphModel::bordersize() const {
    return static_cast<std::uint16_t>(Trunc((kMasterSize + kMasterSize) / 2 * border_factor));
}

std::uint16_t GraphModel::surface_width() const {
    int width = kMasterSize - 2 * bordersize();
    return static_cast<std::uint16_t>(std::max(width, 0));
}

std::uint16_t GraphModel::surface_height() const {
    int height = kMasterSize - 2 * bordersize();
    return static_cast<std::uint16_t>(std::max(height, 0));
}

int GraphModel::y_of(double value) const {
    return static_cast<int>(Trunc(surface_height() * (value / 100) * 0.9 + shade_depth)) + bordersize();
}

void GraphModel::compute_points(Tmsc_series* series) const {
    if (!series || !can_draw()) return;
    const int b = bordersize();
    for (int i = 0; i < num_pts_; ++i) {
        const double along = static_cast<double>(i) / (num_pts_ - 1);
        const int x = b + static_cast<int>(Trunc(surface_width() * along));
        for (int g = 0; g < num_graphs_; ++g) {
            double& value = series[g].values[i];
            value = std::clamp(value, 0.0, 100.0);
            int y = y_of(value);
            if (g + 1 < num_graphs_) {
                const int next_y = y_of(std::clamp(series[g + 1].values[i], 0.0, 100.0));
                y = std::min(y, next_y - 2 * shade_depth);
            }
            series[g].points[i] = {x, y};
        }
    }
}

int GraphModel::vertical_grid_x(std::uint16_t grid_offset, int j) const {
    const int b = bordersize();
    const int cell = static_cast<int>(Trunc(static_cast<double>(surface_width()) / grid_divisions));
    const int phase = cell > 0 ? grid_offset % cell : 0;
    return phase + b + static_cast<int>(Nearest(static_cast<double>(kMasterSize - 2 * b) * j / grid_divisions));
}

int GraphModel::horizontal_grid_y(int j) const {
    const int b = bordersize();
    return static_cast<int>(Nearest(static_cast<double>(kMasterSize - 2 * b) * j / grid_divisions)) + b;
}

std::vector<int> GraphModel::shift_grid(std::uint16_t shift) {
    const int b = bordersize();
    const double spacing = static_cast<double>(kMasterSize - 2 * b) / grid_divisions;
    const double rightmost_allowed = surface_width() + b - spacing;
    const int step = static_cast<int>(Trunc(spacing));
    // A scroll wider than one grid cell lets several lines enter, so keep adding cells
    // (in signed arithmetic, a wide scroll must not wrap the position around).
    int x = grid_x - shift;
    std::vector<int> entering;
    while (step > 0 && x < rightmost_allowed) {
        x += step;
        entering.push_back(x);
    }
    grid_x = static_cast<std::uint16_t>(std::max(x, 0));
    return entering;
}

void GraphModel::set_title(
    const std::wstring& text, const std::wstring& font_name, double x, double y, std::uint16_t font_size,
    std::uint8_t font_style
) {
    title = text;
    title_font_name = font_name;
    title_x = x;
    title_y = y;
    title_font_size = font_size;
    title_font_style = font_style;
}

std::uint16_t ScrollShift(const GraphModel& graph) {
    if (graph.NUM_PTS() == 0) return 0;
    return static_cast<std::uint16_t>(Nearest(static_cast<double>(graph.surface_width()) / graph.NUM_PTS()));
}

}  // namespace chart
