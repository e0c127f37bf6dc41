#pragma once
#include <windows.h>

#include <cstdint>

#include "controls/dib_section.h"

namespace controls {

// A 24-bit top-down device-independent section with its own memory device context: GDI
// draws on it and its colour channels can be mixed byte by byte.
class RgbSurface {
public:
    // Sizes below 1 become 1. Throws platform::Error when the platform cannot provide it.
    RgbSurface(int width, int height);
    RgbSurface(const RgbSurface&) = delete;
    RgbSurface& operator=(const RgbSurface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    HDC dc() const { return section_.dc.Get(); }
    // Every byte of the picture, rows padded to whole 32-bit words. GDI drawing still
    // pending is completed first.
    std::uint8_t* Bytes() const;
    std::size_t ByteCount() const { return static_cast<std::size_t>(section_.stride) * height_; }

private:
    int width_;
    int height_;
    DibSection section_;
};

}  // namespace controls
