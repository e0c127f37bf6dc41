#pragma once
#include <cstdint>

// Memory sizes as the wizards show and store them. Machines have long had more memory
// than a signed 32-bit byte count holds, so every figure is worked out in 64 bits, and a
// byte size is kept within what the settings' 32-bit values can carry.
namespace wizards {

inline constexpr std::uint64_t kMegabyte = 1048576;
// The largest whole number of megabytes whose byte count fits a signed 32-bit value.
inline constexpr std::int64_t kMaxStoredMegabytes = 2047;

// A figure of the system summary: (bytes + 500000) / 1048576, cut toward zero.
std::int64_t SummaryMegabytes(std::uint64_t bytes);

// The physical memory the configuration wizard works with: (bytes + 500000) / 1048576
// rounded to the nearest, halves to even.
std::int64_t PhysicalMegabytes(std::uint64_t totalBytes);

// Megabytes as a stored byte count, within 0..2047 MB.
std::int32_t StoredByteSize(std::int64_t megabytes);

}  // namespace wizards
