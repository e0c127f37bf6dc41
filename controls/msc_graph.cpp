#include "controls/msc_graph.h"

#include <algorithm>

#include "controls/grid_lines.h"
#include "controls/plot_drawing.h"
#include "controls/surface_stretch.h"
#include "controls/zone_fill.h"
#include "platform/handles.h"
#include "ui/property.h"
#include "ui/win_control.h"

namespace controls {
namespace {

using chart::kWhite;  // 0x00BBGGRR, as GDI takes it
constexpr int kInitialOutputSize = 100;

}  // namespace

const ui::PropertyTable& Tmsc_graph::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        &ui::Component::ClassProperties(),
        {
            Integer("NUM_PTS", &Tmsc_graph::PublishedNumPts, &Tmsc_graph::SetPublishedNumPts),
            Integer("NUM_GRAPHS", &Tmsc_graph::PublishedNumGraphs, &Tmsc_graph::SetPublishedNumGraphs),
            Boolean("Visible", &Tmsc_graph::Visible, &Tmsc_graph::set_Visible),
        }
    );
    return table;
}

Tmsc_graph::Tmsc_graph(ui::Component* owner, HWND parent)
    : ui::Component(owner),
      parent_(parent),
      output_(std::make_unique<DibSurface>(kInitialOutputSize, kInitialOutputSize)) {}

HWND Tmsc_graph::Parent() const {
    if (parent_) return parent_;
    auto* window = dynamic_cast<ui::WinControl*>(Owner());
    return window && window->HandleAllocated() ? window->Handle() : nullptr;
}

void Tmsc_graph::frame_plot() {
    const int b = bordersize();
    FrameRectangle(master_.dc(), b, b, kMasterSize - b, kMasterSize - b, plot_frame_color);
}

// Relief band k of series g: a shadow above the line, darkest next to it, and a light
// edge below it, lightest next to it; both fade into the zone colour.
COLORREF Tmsc_graph::shadow_color(int g, int k) const { return (*zones[g].dark_strip)[shade_depth - k]; }
COLORREF Tmsc_graph::edge_color(int g, int k) const { return (*zones[g + 1].light_strip)[k - 1]; }

void Tmsc_graph::fill_zones(Tmsc_series* series, int point) {
    const int graphs = NUM_GRAPHS();
    for (int g = 0; g < graphs; ++g)
        FloodZone(master_, FindSeedAbove(master_, *this, series[g].points[point]), zones[g].color);
    FloodZone(master_, FindSeedBelow(master_, *this, series[graphs - 1].points[point]), zones[graphs].color);
}

void Tmsc_graph::draw_edge_strips(int from_x, int to_x) {
    const int b = bordersize();
    const ShadeStrip& light = *zones[0].light_strip;
    const ShadeStrip& dark = *zones[NUM_GRAPHS()].dark_strip;
    const int dark_top = kMasterSize - shade_depth - b;
    for (int k = 0; k < shade_depth; ++k) {
        master_.FillSpan(b + 1 + k, from_x, to_x, light[k]);
        master_.FillSpan(dark_top + k, from_x, to_x, dark[k]);
    }
}

void Tmsc_graph::draw_graphic(Tmsc_series* series, std::uint16_t grid_offset) {
    if (!series || !can_draw()) return;
    compute_points(series);
    const int b = bordersize();
    const int graphs = NUM_GRAPHS();
    const int points = NUM_PTS();
    const HDC dc = master_.dc();

    master_.Fill(kWhite);
    {
        platform::OwnedSelection brush(dc, CreateSolidBrush(kWhite));
        platform::OwnedSelection pen(dc, CreatePen(PS_SOLID, 1, plot_frame_color));
        Rectangle(dc, b, b, kMasterSize - b, kMasterSize - b);
    }
    {
        ShadeStrips strips(zones, graphs + 1, shade_depth);
        for (int g = 0; g < graphs; ++g) {
            DrawSeriesLine(dc, series[g].points.data(), points, 0, line_width, series[g].color);
            FloodZone(master_, FindSeedAbove(master_, *this, series[g].points[0]), zones[g].color);
        }
        FloodZone(master_, FindSeedBelow(master_, *this, series[graphs - 1].points[0]), zones[graphs].color);

        // Lines running over the frame leave marks outside it; whiten the margin.
        for (int k = 1; k <= shade_depth; ++k)
            FrameRectangle(dc, b - k, b - k, kMasterSize - b + k, kMasterSize - b + k, kWhite);
        frame_plot();

        for (int g = 0; g < graphs; ++g)
            for (int k = 1; k <= shade_depth; ++k) {
                DrawSeriesLine(dc, series[g].points.data(), points, -(k + 1), 1, shadow_color(g, k));
                DrawSeriesLine(dc, series[g].points.data(), points, k + 1, 1, edge_color(g, k));
            }
        draw_edge_strips(b, kMasterSize - b - 1);
    }
    DarkenFullGrid(master_, *this, grid_offset);
    resize_output();
    present();
}

void Tmsc_graph::draw_shifted(Tmsc_series* series, std::uint16_t shift) {
    if (!series || !can_draw()) return;
    compute_points(series);
    const int b = bordersize();
    const int graphs = NUM_GRAPHS();
    const int last = NUM_PTS() - 1;
    const int before = last - 1;
    const HDC dc = master_.dc();

    BitBlt(dc, 0, 0, kMasterSize, kMasterSize, dc, shift, 0, SRCCOPY);
    ClearRectangle(dc, surface_width() + b - shift - 1, 0, surface_width() + 2 * b, surface_height() + 2 * b, kWhite);
    ClearRectangle(dc, 0, 0, b, surface_height() + 2 * b, kWhite);
    frame_plot();
    {
        ShadeStrips strips(zones, graphs + 1, shade_depth);
        for (int g = 0; g < graphs; ++g) {
            const chart::ChartPoint end{series[g].points[last].x - 2, series[g].points[last].y};
            DrawSegment(dc, series[g].points[before], end, 0, line_width, series[g].color);
        }
        fill_zones(series, before);
        for (int g = 0; g < graphs; ++g)
            for (int k = 1; k <= shade_depth; ++k) {
                DrawSegment(dc, series[g].points[before], series[g].points[last], -(k + 1), 1, shadow_color(g, k));
                DrawSegment(dc, series[g].points[before], series[g].points[last], k + 2, 1, edge_color(g, k));
            }
        draw_edge_strips(kMasterSize - b - 1 - shift, kMasterSize - b - 1);
        frame_plot();
    }
    DarkenShiftedGrid(master_, *this, shift);
    resize_output();
    present();
}

void Tmsc_graph::resize_output() {
    const int width = placement.width;
    const int height = placement.height;
    if (output_->width() != std::max(width, 1) || output_->height() != std::max(height, 1)) {
        // Called from the parent's resize handling, which nothing may leave by an
        // exception: without memory for the new size the old surface stays in use.
        try {
            output_ = std::make_unique<DibSurface>(width, height);
        } catch (const std::exception&) {
        }
    }
    StretchSurface(master_, *output_);
}

void Tmsc_graph::present() {
    HWND parent = Parent();
    if (!visible_ || !parent) return;
    draw_decorations();
    platform::WindowDc canvas(parent);
    if (canvas.Get()) copy_output_to(canvas.Get());
}

void Tmsc_graph::copy_output_to(HDC canvas) const {
    BitBlt(canvas, placement.left, placement.top, placement.width, placement.height, output_->dc(), 0, 0, SRCCOPY);
}

}  // namespace controls
