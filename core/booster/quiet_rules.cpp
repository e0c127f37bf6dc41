#include "core/booster/quiet_rules.h"

#include <algorithm>
#include <array>

#include "core/settings/program_list.h"

namespace booster {

bool IsShellWindowClass(std::wstring_view className) {
    constexpr std::array<std::wstring_view, 3> kShell = {L"Progman", L"WorkerW", L"Shell_TrayWnd"};
    return std::ranges::find(kShell, className) != kShell.end();
}

bool ShowsFullScreen(const ForegroundWindow& window) {
    return window.coversMonitor && !window.maximizedCaption && !IsShellWindowClass(window.className);
}

QuietState DecideQuiet(bool quietFullScreen, bool fullScreen, std::wstring_view runningListed) {
    if (quietFullScreen && fullScreen) return {QuietReason::FullScreen, {}};
    if (!runningListed.empty()) return {QuietReason::ListedProgram, std::wstring(runningListed)};
    return {};
}

bool IsSystemProcess(std::wstring_view fileName) {
    static const std::vector<std::wstring> kSystem = {
        L"dwm.exe", L"csrss.exe", L"winlogon.exe", L"smss.exe", L"wininit.exe",
        L"services.exe", L"lsass.exe", L"System"};
    return settings::ListsProgram(kSystem, fileName);
}

bool MayTrim(const TrimRules& rules, std::wstring_view fileName, std::uint32_t id) {
    if (IsSystemProcess(fileName) || settings::ListsProgram(rules.excluded, fileName)) return false;
    return !(rules.automatic && rules.foregroundId != 0 && id == rules.foregroundId);
}

}  // namespace booster
