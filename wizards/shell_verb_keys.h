#pragma once
#include <windows.h>

#include <string>

// The "Open boosted" command in the shell's context menu of every file, registered for the
// current user under HKEY_CURRENT_USER\Software\Classes, which the shell merges into
// HKEY_CLASSES_ROOT for that user; no administrator rights are needed.
namespace wizards {

// Writes the menu text in the current language and the command that hands the file to the
// booster service in `programFolder` (with its trailing backslash); gives `*\shell` a
// default value when it has none. Throws platform::Error when a value cannot be written.
void WriteShellVerb(const std::wstring& programFolder);
// Deletes the verb with its command, for the user and, where allowed, for the machine;
// failures are ignored.
void RemoveShellVerb();

// Tests stand in other root keys (null: the real ones).
void OverrideShellVerbRoots(HKEY userRoot, HKEY machineRoot);

}  // namespace wizards
