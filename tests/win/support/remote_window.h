#pragma once
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

// Finding and driving the windows of another process (the real programs under test) as a
// user would: by class, caption and menu text.
namespace testing_support {

// A shown top-level window of the class; the main window exists hidden while a wizard runs.
HWND ShownWindowOfClass(const wchar_t* className);
HWND WaitForWindowOfClass(const wchar_t* className, DWORD timeoutMs = 20000);

// Clicks the shown button (or check box) of that caption among the window's children.
bool Click(HWND window, const std::wstring& caption);

// A message box of the process, once one is shown; nullptr when none came in the time.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Its text; then presses its default button.
std::wstring AnswerMessageBox(HWND box);

// The command of the menu item reached through the window's menu bar by positions, one per
// level; a negative one counts from the end. (Items drawn by the program carry no text that
// another process could read.)
std::optional<UINT> MenuCommandAt(HWND window, std::initializer_list<int> positions);
// The caption of the menu bar's item at `position`.
std::wstring MenuBarCaption(HWND window, int position);

}  // namespace testing_support
