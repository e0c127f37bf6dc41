// The booster service: a plain launch runs the service (one copy at a time); a launch
// with a file reclaims memory, starts the file and then follows its mode letter; a start at
// logon runs the service only as the Autostart policy allows.
#include <windows.h>

#include "booster/file_launch.h"
#include "booster/instance_guard.h"
#include "booster/service_window.h"
#include "core/booster/file_launch_request.h"
#include "core/booster/logon_start.h"
#include "platform/system_library.h"
#include "settings/policies.h"

namespace {

int RunService(HINSTANCE instance) {
    booster::InstanceGuard guard;
    if (!guard.First()) return booster::kExitOk;
    booster::ServiceWindow service(instance);
    if (!service.Created()) return booster::kExitNotStarted;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return booster::kExitOk;
}

int Run(HINSTANCE instance) {
    booster::ServiceArguments args = booster::ParseServiceCommandLine(GetCommandLineW());
    switch (args.kind) {
        case booster::ServiceArguments::kInvalid:
            return booster::kExitBadArguments;
        case booster::ServiceArguments::kFile:
            if (auto exitCode = booster::RunFileLaunch(args.request)) return *exitCode;
            break;
        case booster::ServiceArguments::kLogon:
        case booster::ServiceArguments::kLogonByPolicy:
            if (!booster::StartRuns(args.kind, PolicyValue(settings::Autostart))) return booster::kExitOk;
            break;
        case booster::ServiceArguments::kPlain:
            break;
    }
    return RunService(instance);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    platform::RestrictLibrarySearch();
    try {
        return Run(instance);
    } catch (...) {
        return booster::kExitNotStarted;
    }
}
