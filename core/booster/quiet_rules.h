#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// When the automatic optimisations hold back, and which processes no optimisation touches.
// A pass that trims working sets while a game or a presentation runs costs that program
// page faults at the worst moment, so the service waits until it is over.
namespace booster {

enum class QuietReason : std::uint32_t { None = 0, FullScreen = 1, ListedProgram = 2 };

struct QuietState {
    QuietReason reason = QuietReason::None;
    std::wstring program;  // the listed program that runs, for ListedProgram
    bool operator==(const QuietState&) const = default;
};

// What the service sees of the window in front.
struct ForegroundWindow {
    std::wstring className;
    bool coversMonitor = false;      // its rectangle holds its whole monitor
    bool maximizedCaption = false;   // a maximised window with a title bar
};

// The desktop and the taskbar cover the screen too, but are no program in front.
bool IsShellWindowClass(std::wstring_view className);

// A program shows full screen when its window covers the whole monitor. A maximised window
// with a title bar only does so where there is no taskbar; it is an ordinary window.
bool ShowsFullScreen(const ForegroundWindow& window);

// `fullScreen`: a program shows full screen or the system says the user is busy with one
// (a presentation, a full-screen game). `runningListed`: the first running program of
// the quiet list, empty when none runs. Full screen counts only when `quietFullScreen`.
QuietState DecideQuiet(bool quietFullScreen, bool fullScreen, std::wstring_view runningListed);

// Processes of the system's own session and desktop (the compositor, the session and
// logon managers, the service controller, the security authority, the kernel's own
// process): trimming them makes the whole desktop stutter.
bool IsSystemProcess(std::wstring_view fileName);

struct TrimRules {
    std::vector<std::wstring> excluded;  // never trimmed by any pass
    std::uint32_t foregroundId = 0;      // the program in front, 0 when unknown
    bool automatic = false;              // a timed or emergency pass, not a user's request
};

// Whether a pass may trim the process `id` running `fileName`.
bool MayTrim(const TrimRules& rules, std::wstring_view fileName, std::uint32_t id);

}  // namespace booster
