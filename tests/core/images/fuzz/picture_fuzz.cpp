// libFuzzer target: the stored forms of pictures and image lists, the .bmp and .ico files in
// them and the bitmap resources image lists are made from. Whatever the checks accept is
// read as the platform would read it: the headers, the colour table and every row of a
// bitmap, and the chosen image of an icon (the sanitizers watch these reads).
#include <cstdint>
#include <cstdlib>

#include "core/images/bitmap_file.h"
#include "core/images/icon_file.h"
#include "core/images/stored_picture.h"

namespace {

volatile std::uint8_t g_sink;

void Touch(std::span<const std::uint8_t> bytes) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    g_sink = sum;
}

void ReadBitmap(std::span<const std::uint8_t> file) {
    const auto layout = images::CheckBitmapFile(file);
    if (!layout) return;
    if (layout->stride % 4 || layout->stride * 8 < std::size_t(layout->width) * layout->bitCount) std::abort();
    Touch(file.first(layout->headerEnd));
    Touch(file.subspan(layout->pixels, layout->stride * layout->rows));
}

void ReadIcon(std::span<const std::uint8_t> file) {
    const auto image = images::PickIconImage(file, 32);
    if (!image) return;
    if (image->width < 1 || image->width > 256 || image->height < 1 || image->height > 256) std::abort();
    Touch(file.subspan(image->offset, image->size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    if (const auto graphic = images::SplitStoredPicture(input)) {
        if (graphic->kind == images::GraphicKind::Bitmap)
            ReadBitmap(graphic->file);
        else
            ReadIcon(graphic->file);
    }
    ReadBitmap(input);  // an image list's stored bitmap
    ReadIcon(input);
    if (const auto file = images::BitmapFileOfResource(input)) {
        if (file->size() != size + images::kFileHeaderSize) std::abort();
        ReadBitmap(*file);
    }
    return 0;
}
