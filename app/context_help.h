#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

// The program's help: the compiled help file of the current language, opened at the topic of
// a window or wizard page (help/help_context.h) or at its contents.
namespace app {

// help\<language>.chm beside the program; english.chm when the language has none.
std::wstring LocateHelpFile();

// The topic of a window or page by its help identity ("TOptWnd.TabSheet2"); the contents
// when it has no topic.
void ShowHelpTopic(HWND owner, std::string_view identity);
void ShowHelpContents(HWND owner);

// Makes F1, WM_HELP and the wizards' Help buttons of every window open its topic.
void InstallContextHelp();

// What opens a help file: the system's HtmlHelpW unless a test puts a recorder in its place
// (an empty function restores it).
using HelpViewer = std::function<void(HWND owner, const std::wstring& file, UINT command, DWORD_PTR data)>;
void SetHelpViewer(HelpViewer viewer);

}  // namespace app
