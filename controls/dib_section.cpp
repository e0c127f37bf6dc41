#include "controls/dib_section.h"

#include <string>

#include "platform/error.h"
#include "platform/resource_source.h"

namespace controls {

void ThrowSurfaceError(unsigned failureText, int width, int height) {
    throw platform::Error(
        platform::FormatResString(failureText, std::to_wstring(width) + L" x " + std::to_wstring(height))
    );
}

DibSection::DibSection(int width, int height, int bitsPerPixel, unsigned failureText) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    dc.Reset(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) ThrowSurfaceError(failureText, width, height);
    bits = static_cast<std::uint8_t*>(pixels);
    stride = (width * bitsPerPixel / 8 + 3) & ~3;
    SelectObject(dc.Get(), bitmap.Get());
}

}  // namespace controls
