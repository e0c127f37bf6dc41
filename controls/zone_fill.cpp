#include "controls/zone_fill.h"

#include "platform/handles.h"

namespace controls {
namespace {

bool IsWhite(const DibSurface& surface, int x, int y) { return surface.Pixel(x, y) == RGB(255, 255, 255); }

// Walks each column from y0 by `step` while the pixel is not white and `inside(y)` holds.
template <typename Inside>
std::optional<POINT> FindSeed(
    const DibSurface& surface, const chart::GraphModel& graph, chart::ChartPoint from, int y0, int step, Inside inside
) {
    const int right_edge = graph.surface_width() + graph.bordersize();
    for (int x = from.x; x < right_edge; ++x) {
        int y = y0;
        while (inside(y) && !IsWhite(surface, x, y)) y += step;
        if (inside(y)) return POINT{x, y};
    }
    return std::nullopt;
}

}  // namespace

std::optional<POINT> FindSeedAbove(const DibSurface& surface, const chart::GraphModel& graph, chart::ChartPoint from) {
    const int top = graph.bordersize();
    return FindSeed(surface, graph, from, from.y - graph.line_width, -1, [top](int y) { return y > top; });
}

std::optional<POINT> FindSeedBelow(const DibSurface& surface, const chart::GraphModel& graph, chart::ChartPoint from) {
    const int bottom = graph.surface_height() + graph.bordersize();
    return FindSeed(surface, graph, from, from.y + graph.line_width, 1, [bottom](int y) { return y < bottom; });
}

void FloodZone(DibSurface& surface, std::optional<POINT> seed, COLORREF color) {
    if (!seed) return;
    platform::OwnedSelection brush(surface.dc(), CreateSolidBrush(color));
    ExtFloodFill(surface.dc(), seed->x, seed->y, RGB(255, 255, 255), FLOODFILLSURFACE);
}

}  // namespace controls
