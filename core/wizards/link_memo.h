#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/wizards/link_info.h"

// The shortcut wizard's description of an examined shortcut, one memo line each.
namespace wizards {

// Labels of the memo lines; their texts come from the string table, so they follow the
// current language.
enum class LinkLabel {
    Name,
    Folder,
    Rule,
    Target,
    WorkingDir,
    Parameters,
    DisplayName,
    ClassIds,
    Description,
    HotKey,
    IconPath,
    IconIndex,
    ShowNormal,
    ShowMinimized,
    ShowMaximized,
    Shift,
    Ctrl,
    Alt,
};
using LabelText = std::function<std::wstring(LinkLabel)>;

// Shown when the class identifiers along the target's item ID list cannot be had.
inline constexpr const wchar_t* kClassIdsFailed = L"ERROR";

struct ExaminedShortcut {
    std::wstring shortcutName;  // the shortcut file's name without ".lnk"
    std::wstring folder;        // where the shortcut file lies
    ShortcutInfo info;
    std::wstring displayName;              // the shell's parsing name of the item ID list
    std::optional<std::wstring> classIds;  // nothing when it could not be built
    std::wstring hotKeyText;
};

std::vector<std::wstring> LinkMemoLines(const ExaminedShortcut& shortcut, const LabelText& label);

// "::{clsid}\::{clsid}...", the classes of the folders along an item ID list.
std::wstring ClassIdPath(const std::vector<std::wstring>& classIds);

// A shortcut's hot key (modifier flags in the high byte) as the settings' shortcut code.
std::uint16_t ShortcutCodeFromHotKey(std::uint16_t hotKey);

// "Ctrl+Alt+A"; letters and digits name themselves, other keys are named by `keyName`.
// Empty for no key.
std::wstring ShortcutText(
    std::uint16_t shortcutCode, const LabelText& label, const std::function<std::wstring(unsigned)>& keyName
);

}  // namespace wizards
