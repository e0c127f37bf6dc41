#include "controls/chart_zone.h"

#include "controls/dib_surface.h"
#include "core/chart/shade_colors.h"

namespace controls {
namespace {

ShadeStrip PaintStrip(COLORREF zone, int depth, chart::Color (*row_color)(chart::Color, int, int)) {
    ShadeStrip strip(static_cast<size_t>(depth));
    for (int k = 0; k < depth; ++k) strip[k] = DibSurface::Quantised(row_color(zone, k, depth));
    return strip;
}

}  // namespace

ShadeStrips::ShadeStrips(ZoneArray& zones, int count, int depth) : zones_(zones) {
    try {
        for (int z = 0; z < count; ++z) {
            zones_[z].light_strip = PaintStrip(zones_[z].color, depth, chart::LightStripRow);
            zones_[z].dark_strip = PaintStrip(zones_[z].color, depth, chart::DarkStripRow);
        }
    } catch (...) {
        Release();
        throw;
    }
}

ShadeStrips::~ShadeStrips() { Release(); }

void ShadeStrips::Release() {
    for (Tmsc_zone& zone : zones_) {
        zone.light_strip.reset();
        zone.dark_strip.reset();
    }
}

}  // namespace controls
