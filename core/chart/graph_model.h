#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/chart/chart_types.h"

namespace chart {

// The drawing-independent half of the strip chart: its published counts, the fixed
// geometry of the 400 x 400 master surface, the mapping of values to master pixels and
// the movement of the vertical grid. The platform half draws with these numbers.
class GraphModel {
public:
    static constexpr int kMasterSize = 400;
    static constexpr std::uint16_t line_width = 3;
    static constexpr std::uint16_t shade_depth = 10;
    static constexpr double border_factor = 0.005;
    static constexpr Color plot_frame_color = Rgb(214, 211, 189);
    static constexpr std::uint16_t grid_divisions = 5;
    static constexpr std::uint16_t grid_darken = 30;

    std::uint16_t NUM_PTS() const { return num_pts_; }
    void set_NUM_PTS(std::uint16_t value);
    std::uint16_t NUM_GRAPHS() const { return num_graphs_; }
    void set_NUM_GRAPHS(std::uint16_t value);

    std::uint16_t bordersize() const;
    std::uint16_t surface_width() const;
    std::uint16_t surface_height() const;

    // A draw needs two points (the horizontal scale divides by NUM_PTS - 1) and a series.
    bool can_draw() const { return num_pts_ >= 2 && num_graphs_ >= 1; }

    // Clamps the first NUM_PTS values of NUM_GRAPHS series to 0..100 (written back) and
    // places their points; each series is kept at least 2 x shade_depth above the next.
    void compute_points(Tmsc_series* series) const;

    // x of vertical grid line j (0 .. grid_divisions - 1) of a full redraw.
    int vertical_grid_x(std::uint16_t grid_offset, int j) const;
    // y of horizontal grid line j (1 .. grid_divisions - 1).
    int horizontal_grid_y(int j) const;
    // Moves the grid left with a scroll of `shift` pixels; returns the columns where new
    // vertical lines enter on the right, in the order they are to be darkened.
    std::vector<int> shift_grid(std::uint16_t shift);

    void set_title(
        const std::wstring& text, const std::wstring& font_name, double x, double y, std::uint16_t font_size,
        std::uint8_t font_style
    );

    // Drawing state kept between draws: x of the rightmost vertical grid line.
    std::uint16_t grid_x = 0;
    // Nonzero until the owner has run the first full redraw.
    std::int32_t full_redraw = -1;
    ChartRect placement;

    std::wstring title;
    double title_x = 0.0;
    double title_y = 0.0;
    std::wstring title_font_name;
    std::uint16_t title_font_size = 0;
    std::uint8_t title_font_style = 0;

private:
    int y_of(double value) const;

    std::uint16_t num_pts_ = kMaxPoints;
    std::uint16_t num_graphs_ = 0;
};

// The owner's scroll per new sample: one point's share of the surface width.
std::uint16_t ScrollShift(const GraphModel& graph);

}  // namespace chart
