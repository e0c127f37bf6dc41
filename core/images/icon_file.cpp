#include "core/images/icon_file.h"

#include <cstdlib>

#include "core/images/little_endian.h"

namespace images {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kIconType = 1;

int Pixels(std::uint8_t stored) { return stored ? stored : 256; }

}  // namespace

std::optional<IconImage> PickIconImage(std::span<const std::uint8_t> ico, int preferredWidth) {
    if (ico.size() < kHeaderSize || U16At(ico, 0) != 0 || U16At(ico, 2) != kIconType) return std::nullopt;
    const std::size_t count = U16At(ico, 4);
    if (count == 0 || count > (ico.size() - kHeaderSize) / kEntrySize) return std::nullopt;
    std::size_t best = 0;
    for (std::size_t i = 1; i < count; ++i)
        if (std::abs(Pixels(ico[kHeaderSize + kEntrySize * i]) - preferredWidth) <
            std::abs(Pixels(ico[kHeaderSize + kEntrySize * best]) - preferredWidth))
            best = i;
    const std::size_t entry = kHeaderSize + kEntrySize * best;
    IconImage image;
    image.width = Pixels(ico[entry]);
    image.height = Pixels(ico[entry + 1]);
    image.size = U32At(ico, entry + 8);
    image.offset = U32At(ico, entry + 12);
    if (image.offset > ico.size() || image.size > ico.size() - image.offset) return std::nullopt;
    return image;
}

}  // namespace images
