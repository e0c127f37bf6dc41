#include "booster/quiet_watch.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include "core/settings/program_list.h"
#include "platform/handles.h"
#include "platform/system_library.h"

namespace booster {
namespace {

// From shell32 since Windows Vista; looked up so the service still starts without it.
using QueryNotificationState = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);

bool SystemReportsFullScreen() {
    static const auto query =
        platform::SystemFunction<QueryNotificationState>(L"shell32.dll", "SHQueryUserNotificationState");
    QUERY_USER_NOTIFICATION_STATE state{};
    if (!query || FAILED(query(&state))) return false;
    return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE;
}

ForegroundWindow Describe(HWND window) {
    ForegroundWindow described;
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    described.className = className;
    RECT rect{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetWindowRect(window, &rect) &&
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& m = monitor.rcMonitor;
        described.coversMonitor = rect.left <= m.left && rect.top <= m.top && rect.right >= m.right &&
                                  rect.bottom >= m.bottom;
    }
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    described.maximizedCaption = (style & WS_MAXIMIZE) && (style & WS_CAPTION) == WS_CAPTION;
    return described;
}

}  // namespace

bool FullScreenInFront() {
    HWND front = GetForegroundWindow();
    // With no program active the desktop itself may count as in front.
    const bool desktop = front == GetDesktopWindow() || front == GetShellWindow();
    if (front && !desktop && IsWindowVisible(front) && !IsIconic(front) && ShowsFullScreen(Describe(front))) return true;
    return SystemReportsFullScreen();
}

std::wstring RunningListedProgram(const std::vector<std::wstring>& names) {
    if (names.empty()) return {};
    platform::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Get()) return {};
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        for (const std::wstring& name : names)
            if (settings::ListsProgram({name}, entry.szExeFile)) return name;
    }
    return {};
}

QuietState WatchQuiet(bool quietFullScreen, const std::vector<std::wstring>& quietPrograms) {
    const bool fullScreen = quietFullScreen && FullScreenInFront();
    return DecideQuiet(quietFullScreen, fullScreen, fullScreen ? std::wstring() : RunningListedProgram(quietPrograms));
}

}  // namespace booster
