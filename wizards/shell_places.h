#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the shell knows about places and files, for the shortcut wizard.
namespace wizards {

// The user's desktop folder as the shell records it; empty when it has none.
std::wstring DesktopFolder();

// The program the shell opens `file` with (for a program, the program itself); empty
// when there is none.
std::wstring AssociatedProgram(const std::wstring& file);

// The name the shell's desktop folder gives an item ID list for parsing and the address
// bar; empty when it gives none.
std::wstring DisplayNameOf(const std::vector<std::uint8_t>& idList);

// The class identifiers of the folders along an item ID list, as ClassIdPath joins them;
// nothing when not even its first folder can be reached.
std::optional<std::wstring> ClassIdPathOf(const std::vector<std::uint8_t>& idList);

// Lets the user pick a folder of the file system; nothing when none was picked.
std::optional<std::wstring> BrowseForFolder(HWND owner);


}  // namespace wizards
