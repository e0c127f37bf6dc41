#include "controls/dib_surface.h"

#include <algorithm>
#include <string>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"

namespace controls {
namespace {

BYTE Expand(unsigned channel) { return static_cast<BYTE>(channel << 3 | channel >> 2); }

[[noreturn]] void FailSurface(int width, int height) {
    throw platform::Error(
        platform::FormatResString(str::SChartSurfaceFailed, std::to_wstring(width) + L" x " + std::to_wstring(height))
    );
}

}  // namespace

DibSurface::DibSurface(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_) FailSurface(width_, height_);
    bits_ = static_cast<std::uint8_t*>(bits);
    stride_ = (width_ * 2 + 3) & ~3;
    SelectObject(dc_.Get(), bitmap_.Get());
}

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
    return PackedPixels(bits_, stride_);
}

std::uint16_t DibSurface::Pack(COLORREF c) {
    return static_cast<std::uint16_t>((GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | GetBValue(c) >> 3);
}

COLORREF DibSurface::Unpack(std::uint16_t p) { return RGB(Expand(p >> 10 & 31), Expand(p >> 5 & 31), Expand(p & 31)); }

}  // namespace controls
