#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The .bmp files that pictures and image lists store, and the bitmap resources they are
// made from: a 14-byte file header, an info header of at least 40 bytes, a colour table and
// the pixel rows. The platform reads the header, the colour table and the rows wherever
// the headers say, so they are checked against the data before any of it is handed over.
namespace images {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;

struct BitmapLayout {
    std::int32_t width = 0;  // above 0
    std::uint16_t bitCount = 0;
    std::size_t rows = 0;
    bool topDown = false;       // a negative height
    std::size_t stride = 0;     // bytes of one row, a multiple of 4
    std::size_t headerEnd = 0;  // end of the info header and the colour table, from the file's start
    std::size_t pixels = 0;     // where the rows start (the file header's offset field)
};

// The layout of an uncompressed .bmp file (1, 4, 8, 16, 24 or 32 bits per pixel) whose
// headers, colour table and rows all lie in `file`; nothing otherwise.
std::optional<BitmapLayout> CheckBitmapFile(std::span<const std::uint8_t> file);

// A bitmap resource (a .bmp file without its file header) as a .bmp file whose rows start
// after the info header and the colour table; nothing when the info header is not there.
std::optional<std::vector<std::uint8_t>> BitmapFileOfResource(std::span<const std::uint8_t> resource);

}  // namespace images
