#pragma once
#include <windows.h>

#include <string>

// The configurator's side of the message protocol with the booster service. The service
// window is looked up afresh before every exchange; a missing service is launched on demand
// (except for the plain state query), and a service that does not answer within a few
// seconds counts as stopped instead of freezing the configurator.
namespace service {

// What the main window shows of the service state. Not owned by the link.
class StateDisplay {
public:
    virtual ~StateDisplay() = default;
    virtual void SetCommandMask(int mask) = 0;  // protocol::CommandBits
    virtual void SetToggleCaption(const std::wstring& caption) = 0;
    virtual void SetStatusText(const std::wstring& text) = 0;
};

HWND FindServiceWindow();

// Launches the service program from the configurator's folder; nothing waits for the
// process to come up. Done on the calling thread: creating a process returns at once,
// while a worker thread's stack stays resident in the process after the thread has ended.
void StartService();

// Sends state command `code` and shows the reply on `display` (may be null). Returns the
// service state; 0 when there is no service or it did not answer in time. A missing
// service is launched for every command but the query and the stop. After a command to a
// window timed out, commands to that window reply 0 at once until it notifies again or
// kUnansweredBackoffMs have passed.
int SendServiceCommand(StateDisplay* display, int code);

// Has a running service reread its settings (command 4). Sends nothing when the service
// window is missing: this never launches the service. True when the command was delivered.
bool RestartRunningService();

// Posts action `code`, launching the service first when its window is missing.
bool PostServiceAction(int code);

// Shows `state` as a reply to a command: mask, toggle caption and status text.
void ApplyServiceState(StateDisplay& display, int state);

// Shows a state announced by the service itself: mask and status text, caption unchanged.
void ApplyStateNotification(StateDisplay& display, int state);

// A notification counts only when it comes from the service window that exists now:
// its lParam is that window's handle minus 1. Such a notification ends the back-off.
bool IsFromService(LPARAM lParam);

// How long a command may wait for the service's reply.
inline constexpr UINT kReplyTimeoutMs = 2500;
// How long commands skip a window that let one time out.
inline constexpr ULONGLONG kUnansweredBackoffMs = 5000;
// How long to give a freshly launched service to create its window.
inline constexpr DWORD kLaunchWaitMs = 500;

}  // namespace service
