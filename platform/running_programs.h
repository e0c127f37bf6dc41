#pragma once
#include <string>
#include <vector>

namespace platform {

// The file names of the programs running now ("game.exe"), each once without regard to
// case, sorted as a list shows them. Empty when the system lists nothing.
std::vector<std::wstring> RunningProgramNames();

}  // namespace platform
