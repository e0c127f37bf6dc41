#pragma once
#include <windows.h>

#include <string>

#include "wizards/link_wizard.h"

// Drives the shortcut wizard as a user does: buttons pressed and files dropped through
// window messages.
namespace link_wizard_driver {

// Kit and wizard components, once per test program.
void Prepare();

void Press(ui::WinControl& control);
void Next(TLinkWiz& wizard);
void Back(TLinkWiz& wizard);
void Finish(TLinkWiz& wizard);
bool NextEnabled(TLinkWiz& wizard);

// Drops `file` onto the window as the shell does, with a WM_DROPFILES of its own.
void DropFile(HWND window, const std::wstring& file);

// Runs the whole wizard for `program` (or a shortcut): a specified amount, the service's previous state kept,
// placed in `folder`. Returns the shortcut made, or empty when none was.
std::wstring MakeShortcutThroughTheWizard(const std::wstring& program, int megabytes, const std::wstring& folder);

}  // namespace link_wizard_driver
