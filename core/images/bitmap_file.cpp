#include "core/images/bitmap_file.h"

#include "core/images/little_endian.h"

namespace images {

namespace {

constexpr std::uint16_t kBitmapSignature = 0x4D42;  // "BM"
constexpr std::uint32_t kUncompressed = 0;          // BI_RGB
constexpr std::size_t kColorSize = 4;               // RGBQUAD

// Info header fields, from its start.
constexpr std::size_t kHeaderSizeField = 0, kWidthField = 4, kHeightField = 8, kBitCountField = 14,
                      kCompressionField = 16, kColorsUsedField = 32;

// The colour table's entries: all the colours of a paletted bitmap unless it says it uses
// fewer, and an optional table of any length for the others.
std::optional<std::uint64_t> ColorCount(std::uint16_t bitCount, std::uint32_t used) {
    if (bitCount > 8) return used;
    const std::uint64_t all = std::uint64_t(1) << bitCount;
    if (used > all) return std::nullopt;
    return used ? used : all;
}

bool KnownBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<BitmapLayout> CheckBitmapFile(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || U16At(file, 0) != kBitmapSignature) return std::nullopt;
    const auto info = file.subspan(kFileHeaderSize);
    const std::uint32_t headerSize = U32At(info, kHeaderSizeField);
    const auto width = static_cast<std::int32_t>(U32At(info, kWidthField));
    const auto height = static_cast<std::int32_t>(U32At(info, kHeightField));
    const std::uint16_t bitCount = U16At(info, kBitCountField);
    if (headerSize < kInfoHeaderSize || width <= 0 || height == 0 || !KnownBitCount(bitCount) ||
        U32At(info, kCompressionField) != kUncompressed)
        return std::nullopt;
    const auto colors = ColorCount(bitCount, U32At(info, kColorsUsedField));
    if (!colors) return std::nullopt;

    BitmapLayout layout;
    layout.width = width;
    layout.bitCount = bitCount;
    layout.topDown = height < 0;
    layout.rows = static_cast<std::size_t>(height < 0 ? -std::int64_t(height) : std::int64_t(height));
    layout.stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t headerEnd = kFileHeaderSize + std::uint64_t(headerSize) + *colors * kColorSize;
    layout.pixels = U32At(file, 10);
    // All in 64 bits: a width of 2^31 at 32 bits per pixel and as many rows stay far below
    // overflow, and far above any real file.
    if (headerEnd > file.size() || layout.pixels < headerEnd || layout.pixels > file.size() ||
        std::uint64_t(layout.stride) * layout.rows > file.size() - layout.pixels)
        return std::nullopt;
    layout.headerEnd = static_cast<std::size_t>(headerEnd);
    return layout;
}

std::optional<std::vector<std::uint8_t>> BitmapFileOfResource(std::span<const std::uint8_t> resource) {
    if (resource.size() < kInfoHeaderSize) return std::nullopt;
    const auto colors = ColorCount(U16At(resource, kBitCountField), U32At(resource, kColorsUsedField));
    if (!colors) return std::nullopt;
    const std::uint64_t pixels =
        kFileHeaderSize + std::uint64_t(U32At(resource, kHeaderSizeField)) + *colors * kColorSize;
    const std::uint64_t size = kFileHeaderSize + resource.size();
    if (pixels > size || size > 0xFFFFFFFFu) return std::nullopt;
    std::vector<std::uint8_t> file(kFileHeaderSize);
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int k = 0; k < 4; ++k) file[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(size));
    put32(10, static_cast<std::uint32_t>(pixels));
    file.insert(file.end(), resource.begin(), resource.end());
    return file;
}

}  // namespace images
