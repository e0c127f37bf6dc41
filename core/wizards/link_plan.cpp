#include "core/wizards/link_plan.h"

#include <algorithm>
#include <cwctype>

namespace wizards {
namespace {

std::size_t NameStart(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? 0 : slash + 1;
}

booster::LaunchShow LaunchShowOf(std::uint8_t showState) {
    switch (showState) {
        case kShowMinimized:
            return booster::LaunchShow::Minimized;
        case kShowMaximized:
            return booster::LaunchShow::Maximized;
        default:
            return booster::LaunchShow::Normal;
    }
}

}  // namespace

std::uint8_t ShowStateFromCommand(int showCommand) {
    switch (showCommand) {
        case kShowCommandMinimized:
        case kShowCommandMinimizedInactive:
            return kShowMinimized;
        case kShowCommandMaximized:
            return kShowMaximized;
        default:
            return kShowNormal;
    }
}

int ShowCommandFromState(std::uint8_t showState) {
    switch (showState) {
        case kShowMinimized:
            return kShowCommandMinimizedInactive;
        case kShowMaximized:
            return kShowCommandMaximized;
        default:
            return kShowCommandNormal;
    }
}

bool IsShortcutFile(const std::wstring& path) {
    if (path.size() < 4) return false;
    std::wstring extension = path.substr(path.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](wchar_t c) { return std::towlower(c); });
    return extension == L".lnk";
}

std::wstring ShortcutNameOf(const std::wstring& path) {
    std::wstring name = FileNameOf(path);
    return name.substr(0, name.size() >= 4 ? name.size() - 4 : 0);
}

std::wstring FileNameOf(const std::wstring& path) { return path.substr(NameStart(path)); }

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t start = NameStart(path);
    if (start == 0) return {};
    // "C:\" keeps its backslash: "C:" alone would mean the drive's current folder.
    const bool driveRoot = start == 3 && path[1] == L':';
    return path.substr(0, driveRoot ? start : start - 1);
}

std::wstring LaunchedFile(const LinkSource& source) {
    if (source.sourceIsShortcut && !source.shortcutInfo.targetPath.empty()) return source.shortcutInfo.targetPath;
    return source.sourcePath;
}

std::wstring DestinationFolder(
    int placementMode, const LinkSource& source, const std::wstring& desktopFolder, const std::wstring& specifiedFolder
) {
    switch (placementMode) {
        case kPlaceInTargetFolder:
            return FolderOf(LaunchedFile(source));
        case kPlaceBesideShortcut:
            return FolderOf(source.sourcePath);
        case kPlaceSpecified:
            return specifiedFolder;
        default:
            return desktopFolder;
    }
}

std::wstring ShortcutFileName(const std::wstring& folder, const LinkSource& source) {
    std::wstring file = folder;
    if (!file.empty() && file.back() != L'\\' && file.back() != L'/') file += L'\\';
    file += L"Velocitor ";
    file += source.sourceIsShortcut ? source.shortcutName : FileNameOf(source.sourcePath);
    return file + L".lnk";
}

std::wstring ServiceArguments(const BoostChoice& boost, const LinkSource& source) {
    // The service refuses amounts outside 0..kMaxMegabytes and would then start nothing.
    const std::int64_t megabytes = boost.megabytes
                                       ? std::clamp<std::int64_t>(*boost.megabytes, 0, booster::kMaxMegabytes)
                                       : booster::kAutomaticAmount;
    std::wstring arguments = booster::AlwaysQuoted(std::to_wstring(megabytes)) + L" " +
                             booster::AlwaysQuoted(booster::ModeLetter(boost.after)) + L" " +
                             booster::AlwaysQuoted(LaunchedFile(source));
    // A source shortcut without a target is started itself and brings its own settings.
    if (LaunchedFile(source) == source.sourcePath) return arguments;
    // The source shortcut's folder and window belong to its target, which the service starts.
    const ShortcutInfo& from = source.shortcutInfo;
    // A folder the service could not take (one written with environment variables, say)
    // is left out: the target then starts in its own folder.
    if (booster::IsUsablePath(from.workingDir)) arguments += L" " + booster::StartInArgument(from.workingDir);
    if (from.showState != kShowNormal) arguments += L" " + booster::ShowArgument(LaunchShowOf(from.showState));
    if (!from.arguments.empty()) arguments += L" " + from.arguments;
    return arguments;
}

ShortcutInfo PlanShortcut(
    const LinkSource& source, const BoostChoice& boost, const std::wstring& serviceProgram,
    const std::wstring& launchedIcon
) {
    ShortcutInfo link;
    link.targetPath = serviceProgram;
    link.arguments = ServiceArguments(boost, source);
    link.iconPath = launchedIcon;
    // The service itself starts in the launched file's folder, shown normally: the source
    // shortcut's folder and show state travel in the arguments.
    link.workingDir = FolderOf(LaunchedFile(source));
    if (!source.sourceIsShortcut) return link;
    // The source's item ID list is left behind: it would start the target directly,
    // passing the service by.
    const ShortcutInfo& from = source.shortcutInfo;
    link.description = from.description;
    if (!from.iconPath.empty()) {
        link.iconPath = from.iconPath;
        link.iconIndex = from.iconIndex;
    }
    link.hotKey = from.hotKey;
    return link;
}

}  // namespace wizards
