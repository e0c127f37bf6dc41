#include "wizards/link_maker.h"

#include "core/service/service_protocol.h"
#include "platform/program_folder.h"
#include "wizards/link_examiner.h"
#include "wizards/shell_link.h"
#include "wizards/shell_places.h"

namespace wizards {

std::optional<TakenSource> TakeSourceFile(const std::wstring& file) {
    if (!IsShortcutFile(file)) return TakenSource{{false, file, {}, {}}, {}};
    std::optional<ExaminedShortcut> examined = ExamineShortcut(file);
    if (!examined) return std::nullopt;
    TakenSource taken{{true, file, examined->shortcutName, examined->info}, DescribeShortcut(*examined)};
    return taken;
}

MadeShortcut MakeBoostShortcut(
    const LinkSource& source, const BoostChoice& boost, int placementMode, const std::wstring& specifiedFolder
) {
    const std::wstring folder = DestinationFolder(placementMode, source, DesktopFolder(), specifiedFolder);
    const std::wstring file = ShortcutFileName(folder, source);
    // A relative folder would be taken from whatever the current folder is.
    if (!booster::IsFullPath(file)) return {file, false};
    const std::wstring launched = LaunchedFile(source);
    std::wstring icon = AssociatedProgram(launched);
    if (icon.empty()) icon = launched;
    const ShortcutInfo link = PlanShortcut(source, boost, platform::ProgramFolder() + protocol::kServiceProgram, icon);
    return {file, SaveShellLink(file, link)};
}

}  // namespace wizards
