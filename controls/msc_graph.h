#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/chart_zone.h"
#include "controls/dib_surface.h"
#include "core/chart/graph_model.h"
#include "ui/component.h"

namespace controls {

using chart::Tmsc_series;

// The scrolling strip chart. Everything is drawn on a fixed 400 x 400 master surface;
// what is shown is the output surface, a copy of the master stretched to the placement,
// with axes, labels and caption drawn over it. The chart has no window of its own: it is
// shown on its parent's client area, and only while it is visible.
//
// Series arrays are the caller's, NUM_GRAPHS records long; drawing clamps their values in
// place and overwrites their points.
class Tmsc_graph : public ui::Component, public chart::GraphModel {
    UI_PUBLISHED(Tmsc_graph, "Tmsc_graph")

public:
    // Shown on `parent`, or else on its owner's window (the form that holds it).
    explicit Tmsc_graph(ui::Component* owner = nullptr, HWND parent = nullptr);

    HWND Parent() const;
    int PublishedNumPts() const { return NUM_PTS(); }
    void SetPublishedNumPts(int value) { set_NUM_PTS(static_cast<std::uint16_t>(value)); }
    int PublishedNumGraphs() const { return NUM_GRAPHS(); }
    void SetPublishedNumGraphs(int value) { set_NUM_GRAPHS(static_cast<std::uint16_t>(value)); }
    bool Visible() const { return visible_; }
    void set_Visible(bool visible) { visible_ = visible; }

    // Full redraw; `grid_offset` is the phase of the vertical grid in master pixels.
    void draw_graphic(Tmsc_series* series, std::uint16_t grid_offset);
    // One new sample: scrolls the picture `shift` pixels left and draws the new strip.
    void draw_shifted(Tmsc_series* series, std::uint16_t shift);

    // Restretches the master into an output surface of the placement's size (at least
    // 1 x 1), keeping the old surface when a new one cannot be made.
    void resize_output();
    // While visible: decorations, then the output onto the parent at the placement.
    void present();
    // Onto the output; drawn afresh only when its size or the caption has changed.
    void draw_decorations();
    void copy_output_to(HDC canvas) const;

    const DibSurface& master() const { return master_; }
    const DibSurface& output() const { return *output_; }

    ZoneArray zones;

private:
    COLORREF shadow_color(int g, int k) const;
    COLORREF edge_color(int g, int k) const;
    void fill_zones(Tmsc_series* series, int point);
    void draw_edge_strips(int from_x, int to_x);
    void frame_plot();
    void draw_decorations_on(DibSurface& surface);
    void render_decorations();

    // What the decorations were last drawn for.
    struct DecorationKey {
        int width = 0;
        int height = 0;
        std::wstring title;
        std::wstring font_name;
        std::uint16_t font_size = 0;
        std::uint8_t font_style = 0;
        double x = 0.0;
        double y = 0.0;
        bool operator==(const DecorationKey&) const = default;
    };
    struct DecorationPixel {
        int x;
        int y;
        std::uint16_t keep;
        std::uint16_t set;
    };

    HWND parent_;
    bool visible_ = true;
    DibSurface master_{kMasterSize, kMasterSize};
    std::unique_ptr<DibSurface> output_;
    std::unique_ptr<DibSurface> title_scratch_;
    DecorationKey decorated_;
    std::vector<DecorationPixel> decoration_pixels_;
};

}  // namespace controls
