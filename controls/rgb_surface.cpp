#include "controls/rgb_surface.h"

#include <algorithm>
#include <string>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"

namespace controls {

void ThrowSurfaceError(int width, int height) {
    throw platform::Error(
        platform::FormatResString(str::SDisplaySurfaceFailed, std::to_wstring(width) + L" x " + std::to_wstring(height))
    );
}

RgbSurface::RgbSurface(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_) ThrowSurfaceError(width_, height_);
    bits_ = static_cast<std::uint8_t*>(bits);
    stride_ = (width_ * 3 + 3) & ~3;
    SelectObject(dc_.Get(), bitmap_.Get());
}

std::uint8_t* RgbSurface::Bytes() const {
    GdiFlush();
    return bits_;
}

}  // namespace controls
