#include "booster/configurator_link.h"

#include <thread>

#include "booster/shell_start.h"
#include "core/service/service_protocol.h"
#include "platform/program_folder.h"

namespace booster {

void NotifyConfigurator(HWND service, int code) {
    HWND configurator = FindWindowW(protocol::kConfiguratorWindowClass, nullptr);
    if (!configurator) return;
    PostMessageW(configurator, protocol::kCommandMessage, static_cast<WPARAM>(code),
                 reinterpret_cast<LPARAM>(service) - 1);
}

void ShowConfigurator() {
    HWND configurator = FindWindowW(protocol::kConfiguratorWindowClass, nullptr);
    if (!configurator) {
        StartConfigurator(L"");
        return;
    }
    if (IsIconic(configurator)) ShowWindow(configurator, SW_RESTORE);
    SetForegroundWindow(configurator);
}

void StartConfigurator(const std::wstring& arguments) {
    std::wstring folder = platform::ProgramFolder();
    std::wstring program = folder + protocol::kConfiguratorProgram;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void OpenThroughShell(const std::wstring& target) {
    std::thread([target] { ShellStart(target, L"", L""); }).detach();
}

}  // namespace booster
