#pragma once
#include <windows.h>

#include <string>

// Changing the text of a system message box that is already shown.
namespace app {

// The message box with this title that the calling thread shows; null when there is none.
HWND FindThreadMessageBox(const std::wstring& title);

// Replaces the box's text; the box grows downwards when the text needs more lines, its
// buttons moving with its bottom edge. Nothing happens without a box.
void SetMessageBoxText(HWND box, const std::wstring& text);

}  // namespace app
