#include "booster/file_launch.h"

#include <windows.h>

#include <atomic>

#include "booster/configurator_link.h"
#include "booster/reclaimer.h"
#include "booster/settings_reader.h"
#include "booster/system_load.h"
#include "core/booster/reclaim_plan.h"
#include "core/service/service_protocol.h"
#include "platform/launch.h"

namespace booster {
namespace {

// A service that does not answer in this time is left alone.
constexpr UINT kReplyTimeoutMs = 5000;

bool IsExistingFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FolderOf(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// An open configurator shows the boost's progress as it shows the running service's, so
// the notifications carry that service's window, the sender it listens to.
void ReclaimFor(const FileLaunchRequest& request, HWND service) {
    BoosterSettings settings = ReadBoosterSettings();
    MemoryFigures memory = CurrentMemory();
    std::uint64_t goal = CapGoal(
        FileLaunchGoal(request.megabytes, settings.emergency.targetPercent, memory), memory,
        settings.untouchableCacheBytes
    );
    if (goal == 0) return;
    std::atomic<bool> never{false};
    TrimRules rules{settings.excludedPrograms, 0, false};
    Reclaim({goal, SweepsForQuality(settings.quality), rules}, never, [service](int code) {
        NotifyConfigurator(service, code);
    });
}

int ShowCommandOf(LaunchShow show) {
    switch (show) {
        case LaunchShow::Minimized:
            return SW_SHOWMINNOACTIVE;
        case LaunchShow::Maximized:
            return SW_SHOWMAXIMIZED;
        case LaunchShow::Normal:
            break;
    }
    return SW_SHOWNORMAL;
}

void SendCommand(HWND service, int command) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutW(
        service, protocol::kCommandMessage, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(service),
        SMTO_ABORTIFHUNG, kReplyTimeoutMs, &reply
    );
}

}  // namespace

std::optional<int> RunFileLaunch(const FileLaunchRequest& request) {
    if (!IsExistingFile(request.path)) return kExitBadArguments;
    if (!request.folder.empty() && !IsExistingFolder(request.folder)) return kExitBadArguments;
    ReclaimFor(request, FindWindowW(protocol::kServiceWindowClass, protocol::kServiceWindowTitle));
    // A file that would not start leaves the service as it was.
    const std::wstring folder = request.folder.empty() ? FolderOf(request.path) : request.folder;
    if (!platform::ShellStart(request.path, request.parameters, folder, ShowCommandOf(request.show)))
        return kExitNotStarted;
    HWND service = FindWindowW(protocol::kServiceWindowClass, protocol::kServiceWindowTitle);
    switch (request.after) {
        case AfterLaunch::KeepPreviousState:
            return kExitOk;
        case AfterLaunch::KeepRunning:
            if (!service) return std::nullopt;
            SendCommand(service, protocol::kRun);
            return kExitOk;
        case AfterLaunch::Unload:
            if (service) SendCommand(service, protocol::kStop);
            return kExitOk;
    }
    return kExitOk;
}

}  // namespace booster
