// libFuzzer target: the walk over a shortcut's item list, which the shortcut wizard does
// before handing a list to the shell. Every item it gives lies in the list, no shorter
// than its size field, and they are laid end to end from the start.
#include <cstdint>
#include <cstdlib>

#include "core/wizards/item_id_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> list(data, size);
    const auto items = wizards::SplitItemIdList(list);
    if (!items) return 0;
    std::size_t at = 0;
    for (const auto& item : *items) {
        if (item.data() != data + at || item.size() < 2 || (item[0] | item[1] << 8) != int(item.size())) std::abort();
        at += item.size();
    }
    if (at + 2 > size || data[at] != 0 || data[at + 1] != 0) std::abort();
    return 0;
}
