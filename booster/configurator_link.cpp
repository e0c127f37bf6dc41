#include "booster/configurator_link.h"

#include "core/service/service_protocol.h"
#include "platform/launch.h"
#include "platform/program_folder.h"

namespace booster {

void NotifyConfigurator(HWND service, int code) {
    HWND configurator = FindWindowW(protocol::kConfiguratorWindowClass, nullptr);
    if (!configurator) return;
    PostMessageW(
        configurator, protocol::kCommandMessage, static_cast<WPARAM>(code), reinterpret_cast<LPARAM>(service) - 1
    );
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
    platform::StartProgram(program, arguments, folder);
}

}  // namespace booster
