#include "controls/dib_surface.h"

#include <algorithm>
#include <string>

#include "resources/string_ids.h"

namespace controls {
namespace {

BYTE Expand(unsigned channel) { return static_cast<BYTE>(channel << 3 | channel >> 2); }

}  // namespace

DibSurface::DibSurface(int width, int height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      section_(width_, height_, 16, str::SChartSurfaceFailed) {}

COLORREF DibSurface::Pixel(int x, int y) const {
    if (!Contains(x, y)) return CLR_INVALID;
    return Unpack(Packed().Row(y)[x]);
}

void DibSurface::Fill(COLORREF color) {
    const PackedPixels pixels = Packed();
    const std::uint16_t packed = Pack(color);
    for (int y = 0; y < height_; ++y) std::fill_n(pixels.Row(y), width_, packed);
}

void DibSurface::FillSpan(int y, int x0, int x1, COLORREF color) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (y < 0 || y >= height_ || x0 > x1) return;
    std::uint16_t* row = Packed().Row(y);
    std::fill(row + x0, row + x1 + 1, Pack(color));
}

DibSurface::PackedPixels DibSurface::Packed() const {
    GdiFlush();
    return PackedPixels(section_.bits, section_.stride);
}

std::uint16_t DibSurface::Pack(COLORREF c) {
    return static_cast<std::uint16_t>((GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | GetBValue(c) >> 3);
}

COLORREF DibSurface::Unpack(std::uint16_t p) { return RGB(Expand(p >> 10 & 31), Expand(p >> 5 & 31), Expand(p & 31)); }

}  // namespace controls
