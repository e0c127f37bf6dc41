#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// A picture's stored form: the graphic's class name as a length-prefixed string, then for
// "TBitmap" a 32-bit size and a .bmp file of that size, for "TIcon" an .ico file.
namespace images {

enum class GraphicKind { Bitmap, Icon };

struct StoredGraphic {
    GraphicKind kind;
    std::span<const std::uint8_t> file;  // the .bmp or .ico file, within the stored bytes
};

// Nothing for another class name, or a bitmap whose size runs past the data.
std::optional<StoredGraphic> SplitStoredPicture(std::span<const std::uint8_t> stored);

}  // namespace images
