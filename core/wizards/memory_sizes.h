#pragma once
#include <cstdint>

#include "core/settings/size_fields.h"

// Memory sizes as the wizards show and store them. Machines have long had more memory
// than a signed 32-bit byte count holds, so every figure is worked out in 64 bits, and a
// byte size is kept within what the settings' 32-bit values can carry.
namespace wizards {

// The physical memory the configuration wizard works with: (bytes + 500000) / 1048576
// rounded to the nearest, halves to even (the other windows cut it: settings::PhysicalMegabytes).
std::int64_t PhysicalMegabytes(std::uint64_t totalBytes);

// Megabytes as a stored byte count, within 0..2047 MB.
std::int32_t StoredByteSize(std::int64_t megabytes);

}  // namespace wizards
