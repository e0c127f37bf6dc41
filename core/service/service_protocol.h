#pragma once
#include <cstdint>

// The message protocol between the configurator and the booster service. Both programs
// build against this header, so the numbers and names below are the whole contract.
namespace protocol {

// The service's hidden window, looked up afresh before every exchange.
inline constexpr const wchar_t* kServiceWindowClass = L"MBSRVClass";
inline constexpr const wchar_t* kServiceWindowTitle = L"Tessly Dozidi Davazez Service";
inline constexpr const wchar_t* kServiceProgram = L"TesslyMBsrv.exe";

// The configurator's main window, which the service finds by its window class to send
// notifications.
inline constexpr const wchar_t* kConfiguratorWindowClass = L"TFMCFGClass";
inline constexpr const wchar_t* kConfiguratorProgram = L"TesslyMBCfg.exe";

// Configurator to service: sent, wParam = command, lParam = the service window's own
// handle, result = the service state after the command. Service to configurator: a
// notification code in wParam, lParam = the service window's handle minus 1.
inline constexpr unsigned kCommandMessage = 0x0400 + 13;  // 1037
// Configurator to service: posted, wParam = action, lParam = the service window's handle.
inline constexpr unsigned kActionMessage = 0x0400 + 14;  // 1038

enum State : int { kStopped = 0, kIdle = 1, kRunning = 2 };

enum Command : int { kQuery = 0, kPause = 1, kRun = 2, kStop = 3, kRestart = 4 };

enum Action : int { kQuickBoost = 1, kEmptyClipboard = 2, kScrapAll = 3 };

// Notification codes besides the states 0..2.
inline constexpr int kBoostStarted = 100;
inline constexpr int kBoostProgressFirst = 101;  // 101..199: progress = code - 100
inline constexpr int kBoostProgressLast = 199;
inline constexpr int kBoostFinished = 200;

}  // namespace protocol
