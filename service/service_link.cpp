#include "service/service_link.h"

#include "core/service/service_protocol.h"
#include "core/service/service_state.h"
#include "platform/launch.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"

namespace service {
namespace {

HWND LaunchAndFind() {
    StartService();
    Sleep(kLaunchWaitMs);
    return FindServiceWindow();
}

// The window that last let a command time out, and when. Until it answers again or the
// back-off has passed, commands to it fail at once instead of each waiting in turn.
HWND g_unanswering = nullptr;
ULONGLONG g_unansweredAt = 0;

bool KnownNotToAnswer(HWND window) {
    return window == g_unanswering && GetTickCount64() - g_unansweredAt < kUnansweredBackoffMs;
}

void NoteAnswer(HWND window, bool answered) {
    if (answered) {
        if (window == g_unanswering) g_unanswering = nullptr;
        return;
    }
    g_unanswering = window;
    g_unansweredAt = GetTickCount64();
}

}  // namespace

HWND FindServiceWindow() { return FindWindowW(protocol::kServiceWindowClass, protocol::kServiceWindowTitle); }

void StartService() { platform::StartProgram(platform::ProgramFolder() + protocol::kServiceProgram, L"", L""); }

int SendServiceCommand(StateDisplay* display, int code) {
    HWND window = FindServiceWindow();
    // Stopping a service that is not there needs no launch: it would only start one that
    // the stop may then miss.
    if (!window && code != protocol::kQuery && code != protocol::kStop) window = LaunchAndFind();
    int reply = 0;
    DWORD_PTR result = 0;
    if (window && !KnownNotToAnswer(window)) {
        bool answered = SendMessageTimeoutW(
            window, protocol::kCommandMessage, static_cast<WPARAM>(code), reinterpret_cast<LPARAM>(window), SMTO_NORMAL,
            kReplyTimeoutMs, &result
        );
        NoteAnswer(window, answered);
        if (answered) reply = static_cast<int>(result);
    }
    if (display) ApplyServiceState(*display, reply);
    return reply;
}

bool RestartRunningService() {
    HWND window = FindServiceWindow();
    DWORD_PTR result = 0;
    return window && SendMessageTimeoutW(
                         window, protocol::kCommandMessage, static_cast<WPARAM>(protocol::kRestart),
                         reinterpret_cast<LPARAM>(window), SMTO_NORMAL, kReplyTimeoutMs, &result
                     );
}

bool PostServiceAction(int code) {
    HWND window = FindServiceWindow();
    if (!window) window = LaunchAndFind();
    return window &&
           PostMessageW(window, protocol::kActionMessage, static_cast<WPARAM>(code), reinterpret_cast<LPARAM>(window));
}

void ApplyServiceState(StateDisplay& display, int state) {
    display.SetToggleCaption(platform::LoadResString(protocol::AppearanceOf(state).captionId));
    ApplyStateNotification(display, state);
}

void ApplyStateNotification(StateDisplay& display, int state) {
    protocol::StateAppearance look = protocol::AppearanceOf(state);
    if (!look.known) return;
    display.SetCommandMask(look.mask);
    display.SetStatusText(platform::LoadResString(look.statusTextId));
}

bool IsFromService(LPARAM lParam) {
    HWND window = FindServiceWindow();
    bool fromService = window && static_cast<ULONG_PTR>(lParam) + 1 == reinterpret_cast<ULONG_PTR>(window);
    // A service that notifies is answering messages again.
    if (fromService) NoteAnswer(window, true);
    return fromService;
}

}  // namespace service
