#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/handles.h"

namespace controls {

// Throws platform::Error with string `failureText`, whose "%s" becomes "width x height".
[[noreturn]] void ThrowSurfaceError(unsigned failureText, int width, int height);

// A top-down device-independent section selected into a memory device context of its own,
// so GDI can draw on it and its bytes can be read and written directly.
struct DibSection {
    // Throws platform::Error with `failureText` when the platform cannot provide it.
    DibSection(int width, int height, int bitsPerPixel, unsigned failureText);

    platform::BitmapHandle bitmap;
    platform::MemoryDc dc;  // deleted first, which lets go of the bitmap
    std::uint8_t* bits = nullptr;
    int stride = 0;  // bytes of a row, padded to whole 32-bit words
};

}  // namespace controls
