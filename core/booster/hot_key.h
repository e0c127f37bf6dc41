#pragma once
#include <cstdint>
#include <optional>

// The settings store keeps hot keys as 16-bit shortcut codes (settings::kHotKeyShift and the
// others over the virtual-key code). The system registers them as a modifier set plus the key.
namespace booster {

// The same values as the system's hot-key modifier flags.
inline constexpr unsigned kModAlt = 0x1;
inline constexpr unsigned kModControl = 0x2;
inline constexpr unsigned kModShift = 0x4;

struct HotKey {
    unsigned modifiers;
    unsigned virtualKey;
    bool operator==(const HotKey&) const = default;
};

// Nothing for 0 (no hot key), for codes with bits outside the key and the three
// modifiers, and for a letter, digit or other typing key without Ctrl or Alt, which
// would take that key away from every other program.
std::optional<HotKey> HotKeyFromShortcut(std::int32_t code);

}  // namespace booster
