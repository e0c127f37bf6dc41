#include "wizards/link_maker.h"

#include <windows.h>

#include "core/service/service_protocol.h"
#include "platform/program_folder.h"
#include "wizards/link_examiner.h"
#include "wizards/shell_link.h"
#include "wizards/shell_places.h"

namespace wizards {

TakenSource TakeSourceFile(const std::wstring& file) {
    TakenSource taken;
    if (!IsShortcutFile(file)) {
        taken.source = {false, file, {}, {}};
    } else if (std::optional<ExaminedShortcut> examined = ExamineShortcut(file)) {
        taken.source = {true, file, examined->shortcutName, examined->info};
        taken.memoLines = DescribeShortcut(*examined);
    } else {
        taken.refusal = SourceRefusal::UnreadableShortcut;
        return taken;
    }
    if (!IsStartable(taken.source)) taken.refusal = SourceRefusal::NotStartable;
    return taken;
}

bool IsStartable(const LinkSource& source) {
    const std::wstring launched = LaunchedFile(source);
    if (!booster::IsUsablePath(launched)) return false;
    const DWORD attributes = GetFileAttributesW(launched.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring BoostShortcutFile(const LinkSource& source, int placementMode, const std::wstring& specifiedFolder) {
    return ShortcutFileName(DestinationFolder(placementMode, source, DesktopFolder(), specifiedFolder), source);
}

bool MakeBoostShortcut(const LinkSource& source, const BoostChoice& boost, const std::wstring& file) {
    // A relative folder would be taken from whatever the current folder is.
    if (!booster::IsFullPath(file)) return false;
    const std::wstring launched = LaunchedFile(source);
    std::wstring icon = AssociatedProgram(launched);
    if (icon.empty()) icon = launched;
    const ShortcutInfo link = PlanShortcut(source, boost, platform::ProgramFolder() + protocol::kServiceProgram, icon);
    return SaveShellLink(file, link);
}

}  // namespace wizards
