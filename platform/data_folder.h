#pragma once
#include <string>

namespace platform {

// The user's own folder for what the program generates (language modules, the error log,
// screenshots): %LOCALAPPDATA%\TesslySoftware\DozidiDavazez\, with a trailing backslash,
// made when missing. The program's own folder is only read, as it may be read-only.
std::wstring UserDataFolder();

}  // namespace platform
