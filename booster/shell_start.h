#pragma once
#include <string>

namespace booster {

// Opens a file, program or web address through the shell (its default verb), waiting
// until the shell has handed it over, so the caller may end right after. Empty
// `parameters` or `folder` are left out. Returns whether the shell started it.
bool ShellStart(const std::wstring& target, const std::wstring& parameters, const std::wstring& folder);

}  // namespace booster
