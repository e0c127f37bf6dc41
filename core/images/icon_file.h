#pragma once
#include <cstdint>
#include <optional>
#include <span>

// .ico files as pictures store them: a 6-byte header (0, 1, image count), 16-byte directory
// entries (width, height, ..., byte count at 8, offset at 12), then the images.
namespace images {

struct IconImage {
    std::size_t offset = 0;
    std::size_t size = 0;
    int width = 0;  // 1..256 (a stored 0 is 256)
    int height = 0;
};

// The image whose width is closest to `preferredWidth` (the first of equals), when the
// header, the whole directory and that image lie in `ico`; nothing otherwise.
std::optional<IconImage> PickIconImage(std::span<const std::uint8_t> ico, int preferredWidth);

}  // namespace images
