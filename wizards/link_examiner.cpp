#include "wizards/link_examiner.h"

#include "core/wizards/link_plan.h"
#include "platform/key_name.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "wizards/shell_link.h"
#include "wizards/shell_places.h"

namespace wizards {
namespace {

unsigned StringOf(LinkLabel label) {
    switch (label) {
        case LinkLabel::Name:
            return str::SLinkName;
        case LinkLabel::Folder:
            return str::SLinkFolder;
        case LinkLabel::Rule:
            return str::SLinkRule;
        case LinkLabel::Target:
            return str::SLinkTarget;
        case LinkLabel::WorkingDir:
            return str::SLinkWorkingDir;
        case LinkLabel::Parameters:
            return str::SLinkParameters;
        case LinkLabel::DisplayName:
            return str::SLinkDisplayName;
        case LinkLabel::ClassIds:
            return str::SLinkClassIds;
        case LinkLabel::Description:
            return str::SLinkDescription;
        case LinkLabel::HotKey:
            return str::SLinkHotKey;
        case LinkLabel::IconPath:
            return str::SLinkIconPath;
        case LinkLabel::IconIndex:
            return str::SLinkIconIndex;
        case LinkLabel::ShowNormal:
            return str::SLinkShowNormal;
        case LinkLabel::ShowMinimized:
            return str::SLinkShowMinimized;
        case LinkLabel::ShowMaximized:
            return str::SLinkShowMaximized;
        case LinkLabel::Shift:
            return str::SKeyShift;
        case LinkLabel::Ctrl:
            return str::SKeyCtrl;
        case LinkLabel::Alt:
            return str::SKeyAlt;
    }
    return str::SLinkRule;
}

std::wstring LabelFromStrings(LinkLabel label) { return platform::LoadResString(StringOf(label)); }

}  // namespace

std::optional<ExaminedShortcut> ExamineShortcut(const std::wstring& file) {
    std::optional<ShortcutInfo> info = ReadShellLink(file);
    if (!info) return std::nullopt;
    ExaminedShortcut shortcut;
    shortcut.shortcutName = ShortcutNameOf(file);
    shortcut.folder = FolderOf(file);
    shortcut.info = std::move(*info);
    if (shortcut.info.targetPath.empty()) shortcut.displayName = DisplayNameOf(shortcut.info.idList);
    shortcut.classIds = ClassIdPathOf(shortcut.info.idList);
    shortcut.hotKeyText = ShortcutText(ShortcutCodeFromHotKey(shortcut.info.hotKey), LabelFromStrings, platform::KeyName);
    return shortcut;
}

std::vector<std::wstring> DescribeShortcut(const ExaminedShortcut& shortcut) {
    return LinkMemoLines(shortcut, LabelFromStrings);
}

}  // namespace wizards
