#pragma once
#include <string>
#include <string_view>

// What the updater says, in the program's languages, chosen as the configurator's stored
// language choice (LocalizerExt: "EXE" for English, "DEU", "RUS", "FRA"); English otherwise.
namespace updater {

enum class Text { LatestVersion, NewerVersion, Unreachable, BadAnswer, NoInstalledVersion, Count };

// %1 and %2 in a text stand for the versions (the available one, then the installed one).
std::wstring TextIn(std::wstring_view language, Text text);

}  // namespace updater
