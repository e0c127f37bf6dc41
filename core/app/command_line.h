#pragma once
#include <string_view>

// The one-shot switches of the configurator. Each is found by a case-sensitive search
// anywhere in the full command line (program path included); the first in this order wins.
namespace app {

enum class Switch { None, About, BugReport, Uninstall, TellFriend };

Switch FindSwitch(std::wstring_view commandLine);

}  // namespace app
