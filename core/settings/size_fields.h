#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The settings windows show byte sizes as megabytes in number fields. The store keeps bytes
// as signed 32-bit values, so no field may offer a size whose byte count does not fit.
namespace settings {

inline constexpr std::int32_t kBytesPerMegabyte = 1048576;
// The largest whole number of megabytes whose byte count fits a signed 32-bit value.
inline constexpr std::int32_t kLargestStorableMegabytes = 2047;

// Physical memory in megabytes as the windows count it: (bytes + 500000) >> 20, in 64 bits
// so that machines of 4 GB and more count right.
std::int64_t PhysicalMegabytes(std::uint64_t totalBytes);

// The upper limit of a size field: the physical memory, capped at what the store can hold.
std::int32_t SizeFieldMaximum(std::uint64_t totalBytes);

// bytes / 1048576 rounded to nearest, halves to even.
std::int32_t MegabytesRounded(std::int32_t bytes);
// bytes / 1048576 truncated toward zero.
std::int32_t MegabytesTruncated(std::int32_t bytes);
// megabytes x 1048576, kept within [-2047, 2047] MB so the product never wraps.
std::int32_t BytesOfMegabytes(std::int32_t megabytes);

// What a number field keeps of typed text: the digits among its first 9 characters.
std::wstring DigitsOnly(std::wstring_view text);

}  // namespace settings
