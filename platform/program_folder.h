#pragma once
#include <string>

namespace platform {

// Folder of the running executable, with a trailing backslash. Language files, help files,
// the error log and the booster service are all found relative to it.
std::wstring ProgramFolder();
// Full path of the running executable.
std::wstring ProgramPath();

}  // namespace platform
