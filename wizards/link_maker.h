#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/wizards/link_plan.h"

// The shortcut wizard's two acts on files: taking a chosen file as the source, and making
// the shortcut that starts it through the booster service.
namespace wizards {

enum class SourceRefusal {
    None,
    UnreadableShortcut,
    NotStartable,  // a folder, a missing file, or a shortcut to one: the service starts none
};

struct TakenSource {
    SourceRefusal refusal = SourceRefusal::None;
    LinkSource source;                    // when not refused
    std::vector<std::wstring> memoLines;  // the description of a shortcut; empty for a file
};

// `file` as the source, or why it cannot be one.
TakenSource TakeSourceFile(const std::wstring& file);

// Whether the service would start what the source names.
bool IsStartable(const LinkSource& source);

// The shortcut file in the folder `placementMode` picks (`specifiedFolder` for
// kPlaceSpecified).
std::wstring BoostShortcutFile(const LinkSource& source, int placementMode, const std::wstring& specifiedFolder);

// Makes the shortcut `file`, starting the service beside this program; whether it was saved.
bool MakeBoostShortcut(const LinkSource& source, const BoostChoice& boost, const std::wstring& file);

}  // namespace wizards
