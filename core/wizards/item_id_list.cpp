#include "core/wizards/item_id_list.h"

namespace wizards {

std::optional<std::vector<std::span<const std::uint8_t>>> SplitItemIdList(std::span<const std::uint8_t> list) {
    constexpr std::size_t kSizeField = 2;
    std::vector<std::span<const std::uint8_t>> items;
    std::size_t at = 0;
    while (list.size() - at >= kSizeField) {
        const std::size_t size = list[at] | std::size_t(list[at + 1]) << 8;
        if (size == 0) return items;
        if (size < kSizeField || size > list.size() - at) return std::nullopt;
        items.push_back(list.subspan(at, size));
        at += size;
    }
    return std::nullopt;
}

}  // namespace wizards
