#pragma once
#include <cstdint>
#include <vector>

// Small images built byte by byte for the format tests.
namespace image_test {

using Bytes = std::vector<std::uint8_t>;

inline void Put(Bytes& b, std::size_t at, std::uint32_t value, int bytes) {
    if (b.size() < at + bytes) b.resize(at + bytes);
    for (int k = 0; k < bytes; ++k) b[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

// A bitmap resource: a 40-byte info header, `colors` table entries and the rows.
inline Bytes BitmapResource(int width, int height, int bits, std::uint32_t colorsUsed, std::size_t tableEntries) {
    Bytes b;
    Put(b, 0, 40, 4);
    Put(b, 4, static_cast<std::uint32_t>(width), 4);
    Put(b, 8, static_cast<std::uint32_t>(height), 4);
    Put(b, 12, 1, 2);
    Put(b, 14, static_cast<std::uint32_t>(bits), 2);
    Put(b, 32, colorsUsed, 4);
    const std::size_t stride = (std::size_t(width) * bits + 31) / 32 * 4;
    const std::size_t rows = std::size_t(height < 0 ? -height : height);
    b.resize(40 + 4 * tableEntries + stride * rows, 0x11);
    return b;
}

}  // namespace image_test
