#pragma once
#include <string>
#include <string_view>
#include <vector>

// A stored list of program file names ("game.exe;slides.exe"), as the quiet and exclusion
// settings keep them. Names are compared as the file system does: without regard to case.
namespace settings {

inline constexpr wchar_t kProgramListSeparator = L';';

// The names of a stored list: trimmed, empty entries and repeats dropped, order kept. A
// name with a folder keeps only its file name, so "C:\Games\game.exe" matches "game.exe".
std::vector<std::wstring> ParseProgramList(std::wstring_view stored);
std::wstring JoinProgramList(const std::vector<std::wstring>& names);

bool SameProgramName(std::wstring_view a, std::wstring_view b);
// Whether the program at `path` (a full path or a file name) is one of `names`.
bool ListsProgram(const std::vector<std::wstring>& names, std::wstring_view path);

}  // namespace settings
