#include "controls/rgb_surface.h"

#include <algorithm>

#include "resources/string_ids.h"

namespace controls {

RgbSurface::RgbSurface(int width, int height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      section_(width_, height_, 24, str::SDisplaySurfaceFailed) {}

std::uint8_t* RgbSurface::Bytes() const {
    GdiFlush();
    return section_.bits;
}

}  // namespace controls
