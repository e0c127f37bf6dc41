#pragma once
#include <string>

// The "Open boosted" command in the shell's context menu of every file, under
// HKEY_CLASSES_ROOT.
namespace wizards {

// Writes the menu text in the current language and the command that hands the file to the
// booster service in `programFolder` (with its trailing backslash); gives `*\shell` a
// default value when it has none. Throws platform::Error when a value cannot be written.
void WriteShellVerb(const std::wstring& programFolder);
// Deletes the verb with its command; a failure is ignored.
void RemoveShellVerb();

}  // namespace wizards
