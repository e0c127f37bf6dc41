#pragma once
#include <cstdint>
#include <span>

// Little-endian fields of the image formats; the caller has checked that they lie in the bytes.
namespace images {

inline std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return U16At(bytes, at) | static_cast<std::uint32_t>(U16At(bytes, at + 2)) << 16;
}

}  // namespace images
