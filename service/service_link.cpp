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

}  // namespace

HWND FindServiceWindow() { return FindWindowW(protocol::kServiceWindowClass, protocol::kServiceWindowTitle); }

void StartService() {
    platform::StartProgramDetached(platform::ProgramFolder() + protocol::kServiceProgram, L"", L"");
}

int SendServiceCommand(StateDisplay* display, int code) {
    HWND window = FindServiceWindow();
    if (!window && code != protocol::kQuery) window = LaunchAndFind();
    int reply = 0;
    DWORD_PTR result = 0;
    if (window && SendMessageTimeoutW(window, protocol::kCommandMessage, static_cast<WPARAM>(code),
                                      reinterpret_cast<LPARAM>(window), SMTO_NORMAL, kReplyTimeoutMs, &result))
        reply = static_cast<int>(result);
    if (display) ApplyServiceState(*display, reply);
    return reply;
}

bool PostServiceAction(int code) {
    HWND window = FindServiceWindow();
    if (!window) window = LaunchAndFind();
    return window && PostMessageW(window, protocol::kActionMessage, static_cast<WPARAM>(code),
                                  reinterpret_cast<LPARAM>(window));
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
    return window && static_cast<ULONG_PTR>(lParam) + 1 == reinterpret_cast<ULONG_PTR>(window);
}

}  // namespace service
