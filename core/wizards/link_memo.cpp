#include "core/wizards/link_memo.h"

#include "core/settings/settings_table.h"

namespace wizards {

std::vector<std::wstring> LinkMemoLines(const ExaminedShortcut& shortcut, const LabelText& label) {
    const ShortcutInfo& info = shortcut.info;
    std::vector<std::wstring> lines{
        label(LinkLabel::Name) + shortcut.shortcutName,
        label(LinkLabel::Folder) + shortcut.folder,
        label(LinkLabel::Rule),
    };
    if (!info.targetPath.empty()) {
        lines.push_back(label(LinkLabel::Target) + info.targetPath);
        lines.push_back(label(LinkLabel::WorkingDir) + info.workingDir);
        lines.push_back(label(LinkLabel::Parameters) + info.arguments);
    } else {
        lines.push_back(label(LinkLabel::DisplayName) + shortcut.displayName);
    }
    lines.push_back(label(LinkLabel::Rule));
    lines.push_back(label(LinkLabel::ClassIds) + shortcut.classIds.value_or(kClassIdsFailed));
    lines.push_back(label(LinkLabel::Description) + info.description);
    lines.push_back(label(LinkLabel::HotKey) + shortcut.hotKeyText);
    lines.push_back(label(LinkLabel::IconPath) + info.iconPath);
    lines.push_back(label(LinkLabel::IconIndex) + std::to_wstring(info.iconIndex));
    switch (info.showState) {
        case kShowMinimized:
            lines.push_back(label(LinkLabel::ShowMinimized));
            break;
        case kShowMaximized:
            lines.push_back(label(LinkLabel::ShowMaximized));
            break;
        default:
            lines.push_back(label(LinkLabel::ShowNormal));
    }
    return lines;
}

std::wstring ClassIdPath(const std::vector<std::wstring>& classIds) {
    std::wstring path;
    for (const auto& id : classIds) {
        if (!path.empty()) path += L'\\';
        path += L"::" + id;
    }
    return path;
}

std::uint16_t ShortcutCodeFromHotKey(std::uint16_t hotKey) {
    constexpr unsigned kLinkShift = 1, kLinkCtrl = 2, kLinkAlt = 4;
    const unsigned flags = hotKey >> 8;
    std::uint16_t code = hotKey & 0xFF;
    if (flags & kLinkShift) code |= settings::kHotKeyShift;
    if (flags & kLinkCtrl) code |= settings::kHotKeyCtrl;
    if (flags & kLinkAlt) code |= settings::kHotKeyAlt;
    return code;
}

std::wstring ShortcutText(
    std::uint16_t shortcutCode, const LabelText& label, const std::function<std::wstring(unsigned)>& keyName
) {
    const unsigned key = shortcutCode & settings::kHotKeyKeyMask;
    if (key == 0) return {};
    std::wstring text;
    if (shortcutCode & settings::kHotKeyShift) text += label(LinkLabel::Shift);
    if (shortcutCode & settings::kHotKeyCtrl) text += label(LinkLabel::Ctrl);
    if (shortcutCode & settings::kHotKeyAlt) text += label(LinkLabel::Alt);
    const bool namesItself = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
    return text + (namesItself ? std::wstring(1, static_cast<wchar_t>(key)) : keyName(key));
}

}  // namespace wizards
