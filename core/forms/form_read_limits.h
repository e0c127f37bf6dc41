#pragma once
#include <cstddef>
#include <limits>

namespace forms {

// How much memory the readers may take for the tree of one form description: a fixed
// allowance plus a multiple of the input's size. Language modules and language files bring
// form descriptions from outside the program, so a reader must not let a small input claim
// gigabytes; input beyond the budget is refused with FormError. The defaults hold every
// real window many times over (the program's forms are some 5 KB in binary and take 25 to
// 100 KB as a tree, at most 20 times their size) and keep a hostile 10 MB input, which
// would otherwise take 3 GB, to 177 MB.
struct ReadLimits {
    std::size_t fixedBytes = std::size_t(16) << 20;
    std::size_t bytesPerInputByte = 16;

    std::size_t AllowedFor(std::size_t inputSize) const {
        constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
        if (bytesPerInputByte != 0 && inputSize > (kMax - fixedBytes) / bytesPerInputByte) return kMax;
        return fixedBytes + bytesPerInputByte * inputSize;
    }
};

}  // namespace forms
