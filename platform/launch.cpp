#include "platform/launch.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <thread>

#include "platform/handles.h"

namespace platform {

bool StartProgram(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(
            program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            folder.empty() ? nullptr : folder.c_str(), &startup, &process
        ))
        return false;
    KernelHandle thread(process.hThread), child(process.hProcess);  // nothing waits for the process
    return true;
}

void StartProgramDetached(std::wstring program, std::wstring arguments, std::wstring folder) {
    std::thread([program = std::move(program), arguments = std::move(arguments), folder = std::move(folder)] {
        StartProgram(program, arguments, folder);
    }).detach();
}

bool ShellStart(
    const std::wstring& target, const std::wstring& parameters, const std::wstring& folder, int showCommand
) {
    // Shell extensions the default verb may load expect COM on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpFile = target.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = showCommand;
    bool started = ShellExecuteExW(&info) != FALSE;
    if (SUCCEEDED(com)) CoUninitialize();
    return started;
}

void ShellStartDetached(std::wstring target, std::wstring folder) {
    std::thread([target = std::move(target), folder = std::move(folder)] { ShellStart(target, L"", folder, SW_SHOWNORMAL); }).detach();
}

}  // namespace platform
