#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What a shell shortcut (.lnk) says, as the shortcut wizard reads it from a chosen
// shortcut and writes it into the new one.
namespace wizards {

// Texts of a shortcut are limited to this many characters.
inline constexpr std::size_t kLinkTextLimit = 260;

// 0 normal, 1 minimised, 2 maximised.
enum ShowState : std::uint8_t { kShowNormal = 0, kShowMinimized = 1, kShowMaximized = 2 };

struct ShortcutInfo {
    std::wstring targetPath;
    std::vector<std::uint8_t> idList;  // the target as an item ID list; empty for none
    std::wstring workingDir;
    std::wstring arguments;
    std::wstring description;
    std::wstring iconPath;
    std::int32_t iconIndex = 0;
    std::uint16_t hotKey = 0;  // low byte virtual key, high byte 1 Shift, 2 Ctrl, 4 Alt
    std::uint8_t showState = kShowNormal;
};

// The platform's show commands that a shortcut stores.
inline constexpr int kShowCommandNormal = 1;
inline constexpr int kShowCommandMinimized = 2;
inline constexpr int kShowCommandMaximized = 3;
inline constexpr int kShowCommandMinimizedInactive = 7;

std::uint8_t ShowStateFromCommand(int showCommand);
int ShowCommandFromState(std::uint8_t showState);

}  // namespace wizards
