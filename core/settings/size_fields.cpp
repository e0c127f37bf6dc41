#include "core/settings/size_fields.h"

#include <algorithm>
#include <cmath>

namespace settings {
namespace {

constexpr std::size_t kFieldTextLimit = 9;

}  // namespace

std::int64_t PhysicalMegabytes(std::uint64_t totalBytes) {
    return static_cast<std::int64_t>((totalBytes + 500000u) >> 20);
}

std::int32_t SizeFieldMaximum(std::uint64_t totalBytes) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(PhysicalMegabytes(totalBytes), kLargestStorableMegabytes));
}

std::int32_t MegabytesRounded(std::int32_t bytes) {
    // The default rounding mode rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(bytes / static_cast<double>(kBytesPerMegabyte)));
}

std::int32_t MegabytesTruncated(std::int32_t bytes) { return bytes / kBytesPerMegabyte; }

std::int32_t BytesOfMegabytes(std::int32_t megabytes) {
    return std::clamp(megabytes, -kLargestStorableMegabytes, kLargestStorableMegabytes) * kBytesPerMegabyte;
}

std::wstring DigitsOnly(std::wstring_view text) {
    std::wstring digits;
    for (wchar_t c : text.substr(0, kFieldTextLimit))
        if (c >= L'0' && c <= L'9') digits += c;
    return digits;
}

}  // namespace settings
