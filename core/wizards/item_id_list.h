#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A shell item ID list as a shortcut stores it: items, each a 16-bit little-endian size
// (counting the size field itself) and its bytes, ended by a size of 0.
namespace wizards {

// The items before the end mark, each with its size field; nothing when the list is not
// well formed: an item shorter than its size field, one that runs past the data, or no
// end mark within it. The shell would read such a list past its end.
std::optional<std::vector<std::span<const std::uint8_t>>> SplitItemIdList(std::span<const std::uint8_t> list);

}  // namespace wizards
