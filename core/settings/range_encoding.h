#pragma once
#include <cstdint>

// The registry stores a ranged integer as (value - min) rem (max - min + 1), where rem
// takes the sign of the dividend. The range is part of the stored format: a reader must
// decode with the range the writer used. min == max means "no range": stored unchanged.
namespace settings {

std::int32_t EncodeRanged(std::int32_t value, std::int32_t min, std::int32_t max);
std::int32_t DecodeRanged(std::int32_t stored, std::int32_t min, std::int32_t max);

}  // namespace settings
