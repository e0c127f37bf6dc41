#pragma once
#include <string>
#include <vector>

#include "core/booster/quiet_rules.h"

// Looks at the desktop once a second for a reason to keep the automatic optimisations
// quiet: a program in front showing full screen (by its window, or by what the system
// reports of a presentation or game) and the programs of the quiet list.
namespace booster {

// Whether the window in front shows full screen, or the system says a full-screen program,
// a presentation or a game has the user's attention.
bool FullScreenInFront();

// The file name of the first running program of `names` as the list gives it; empty when
// none runs (or the list is empty, then nothing is looked up).
std::wstring RunningListedProgram(const std::vector<std::wstring>& names);

QuietState WatchQuiet(bool quietFullScreen, const std::vector<std::wstring>& quietPrograms);

}  // namespace booster
