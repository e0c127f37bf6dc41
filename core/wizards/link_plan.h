#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/booster/file_launch_request.h"
#include "core/wizards/link_info.h"

// The shortcut the wizard makes: it starts the booster service, which reclaims memory and
// then starts the chosen file, or the target of the chosen shortcut.
namespace wizards {

// The wizard's chosen source.
struct LinkSource {
    bool sourceIsShortcut = false;
    std::wstring sourcePath;
    std::wstring shortcutName;  // of a shortcut source: its file name without ".lnk"
    ShortcutInfo shortcutInfo;  // of a shortcut source: what it says
};

// Where the new shortcut goes.
enum PlacementMode : int {
    kPlaceOnDesktop = 1,
    kPlaceInTargetFolder = 2,
    kPlaceBesideShortcut = 3,  // "Replace the existing shortcut"
    kPlaceSpecified = 4,
};

struct BoostChoice {
    std::optional<std::int64_t> megabytes;  // nothing: the service works the amount out
    booster::AfterLaunch after = booster::AfterLaunch::KeepPreviousState;
};

// A ".lnk" file, whatever the case of its extension.
bool IsShortcutFile(const std::wstring& path);
// The name of a shortcut file without its extension.
std::wstring ShortcutNameOf(const std::wstring& path);
std::wstring FileNameOf(const std::wstring& path);
// The folder holding `path`, without a trailing backslash except for a drive's root.
std::wstring FolderOf(const std::wstring& path);

// What the service is to start: the source file, or the target of a source shortcut (the
// shortcut itself when it has no file as its target).
std::wstring LaunchedFile(const LinkSource& source);

std::wstring DestinationFolder(
    int placementMode, const LinkSource& source, const std::wstring& desktopFolder, const std::wstring& specifiedFolder
);
// "<folder>\Velocitor <name>.lnk".
std::wstring ShortcutFileName(const std::wstring& folder, const LinkSource& source);

// `"N" "s" "path"`, each quoted so that the service reads back exactly these three, then
// the arguments of a source shortcut's target.
std::wstring ServiceArguments(const BoostChoice& boost, const LinkSource& source);

// The new shortcut's fields. `serviceProgram` is the service's full path; `launchedIcon`
// the program the shell associates with LaunchedFile(source).
ShortcutInfo PlanShortcut(
    const LinkSource& source, const BoostChoice& boost, const std::wstring& serviceProgram,
    const std::wstring& launchedIcon
);

}  // namespace wizards
