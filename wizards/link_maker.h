#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/wizards/link_plan.h"

// The shortcut wizard's two acts on files: taking a chosen file as the source, and making
// the shortcut that starts it through the booster service.
namespace wizards {

struct TakenSource {
    LinkSource source;
    std::vector<std::wstring> memoLines;  // the description of a shortcut; empty for a file
};

// `file` as the source; nothing when it is a shortcut that cannot be read.
std::optional<TakenSource> TakeSourceFile(const std::wstring& file);

struct MadeShortcut {
    std::wstring file;  // the shortcut file aimed at
    bool saved;
};

// Makes the shortcut in the folder `placementMode` picks (`specifiedFolder` for
// kPlaceSpecified), starting the service beside this program.
MadeShortcut MakeBoostShortcut(
    const LinkSource& source, const BoostChoice& boost, int placementMode, const std::wstring& specifiedFolder
);

}  // namespace wizards
