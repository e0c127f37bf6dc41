#pragma once
#include <windows.h>

#include <string>

// The service's side towards the configurator. The configurator's main window is found
// by its window class (protocol::kConfiguratorWindowClass) whenever there is something to
// tell it; notifications are posted, so a hung configurator never holds the service up.
namespace booster {

// Message 1037 to the configurator's main window: `code` in wParam, the service window's
// handle minus 1 in lParam. Nothing happens when the configurator is not open.
void NotifyConfigurator(HWND service, int code);

// Brings an open configurator to the front, or starts one.
void ShowConfigurator();

// Starts the configurator from the service's own folder with `arguments` (may be empty).
void StartConfigurator(const std::wstring& arguments);

}  // namespace booster
