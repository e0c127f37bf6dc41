#include "app/screen_capture.h"

#include <windows.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// The library's header expects the C standard types declared before it.
#include <jpeglib.h>

#include "platform/error.h"
#include "platform/handles.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"

namespace app {
namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgrx;  // top-down rows, 4 bytes a pixel
};

Pixels CopyScreen() {
    Pixels pixels;
    pixels.width = GetSystemMetrics(SM_CXSCREEN);
    pixels.height = GetSystemMetrics(SM_CYSCREEN);
    platform::WindowDc screen;
    platform::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::BitmapHandle bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (pixels.width <= 0 || pixels.height <= 0 || !memory || !bitmap) {
        throw platform::Error(platform::LoadResString(str::SScreenshotFailed));
    }
    {
        platform::Selection selection(memory.Get(), bitmap.Get());
        if (!BitBlt(memory.Get(), 0, 0, pixels.width, pixels.height, screen.Get(), 0, 0, SRCCOPY)) {
            throw platform::Error(platform::LoadResString(str::SScreenshotFailed));
        }
    }
    GdiFlush();
    const auto* first = static_cast<const std::uint8_t*>(bits);
    pixels.bgrx.assign(first, first + std::size_t(pixels.width) * pixels.height * 4);
    return pixels;
}

// The library reports errors by calling back; leaving through longjmp keeps them from
// ending the process. Nothing with a destructor lives between setjmp and the calls.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void LeaveCompression(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1); }

bool Compress(const Pixels& pixels, int quality, unsigned char** out, unsigned long* size) {
    jpeg_compress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = LeaveCompression;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(pixels.width);
    info.image_height = static_cast<JDIMENSION>(pixels.height);
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels.bgrx[std::size_t(info.next_scanline) * pixels.width * 4]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> CaptureScreenAsJpeg(int quality) {
    const Pixels pixels = CopyScreen();
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool compressed = Compress(pixels, quality, &buffer, &size);
    std::vector<std::uint8_t> jpeg;
    if (compressed) jpeg.assign(buffer, buffer + size);
    std::free(buffer);
    if (!compressed) throw platform::Error(platform::LoadResString(str::SScreenshotFailed));
    return jpeg;
}

}  // namespace app
