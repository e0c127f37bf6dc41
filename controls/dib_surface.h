#pragma once
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "controls/dib_section.h"

namespace controls {

// A 16-bit (5 bits per channel) top-down device-independent section with its own memory
// device context, so GDI can draw on it and its pixels can be read and written directly.
// Colours read back expand each 5-bit channel by bit replication: 31 reads as 255, so
// white drawn on it reads back as pure white.
class DibSurface {
public:
    // Sizes below 1 become 1. Throws platform::Error when the platform cannot provide the surface.
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    HDC dc() const { return section_.dc.Get(); }

    // CLR_INVALID outside the surface.
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);
    // Pixels x0 .. x1 of row y, clipped to the surface.
    void FillSpan(int y, int x0, int x1, COLORREF color);

    // Replaces every pixel c of the rectangle (inclusive, clipped to the surface) by recolor(c).
    template <typename Recolor>
    void RecolorRect(int left, int top, int right, int bottom, Recolor recolor);

    // The packed 5-5-5 pixels, for whole-surface work. GDI drawing still pending on the
    // surface is completed first; do not draw with GDI while the view is in use.
    class PackedPixels {
    public:
        std::uint16_t* Row(int y) const {
            return reinterpret_cast<std::uint16_t*>(base_ + static_cast<std::ptrdiff_t>(y) * stride_);
        }

    private:
        friend class DibSurface;
        PackedPixels(std::uint8_t* base, int stride) : base_(base), stride_(stride) {}
        std::uint8_t* base_;
        int stride_;
    };
    PackedPixels Packed() const;

    static std::uint16_t Pack(COLORREF color);
    static COLORREF Unpack(std::uint16_t pixel);
    // The colour a pixel reads back as after `color` was stored.
    static COLORREF Quantised(COLORREF color) { return Unpack(Pack(color)); }

private:
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_;
    int height_;
    DibSection section_;
};

template <typename Recolor>
void DibSurface::RecolorRect(int left, int top, int right, int bottom, Recolor recolor) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    const PackedPixels pixels = Packed();
    for (int y = top; y <= bottom; ++y) {
        std::uint16_t* row = pixels.Row(y);
        for (int x = left; x <= right; ++x) row[x] = Pack(recolor(Unpack(row[x])));
    }
}

}  // namespace controls
