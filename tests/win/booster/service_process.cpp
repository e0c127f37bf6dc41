#include "tests/win/booster/service_process.h"

#include "core/service/service_protocol.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/support/test_support.h"

using testing_support::PumpUntil;

std::wstring ServiceProcess::ProgramPath() { return testing_support::ProductFolder() + protocol::kServiceProgram; }

bool ServiceProcess::Start(const std::wstring& arguments) {
    std::wstring line = L"\"" + ProgramPath() + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    process_ = testing_support::StartProcess(line, &processId_);
    return process_ != nullptr;
}

HWND ServiceProcess::WaitForWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindService()) != nullptr; }, timeoutMs);
    return found;
}

std::optional<DWORD> ServiceProcess::WaitForExit(DWORD timeoutMs) const {
    if (!process_) return std::nullopt;
    bool ended = PumpUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (!ended) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void ServiceProcess::Stop() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
        HWND window = FindService();
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        if (owner == processId_) SendCommand(window, protocol::kStop);
        if (!WaitForExit(10000)) TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

HWND FindService() { return FindWindowW(protocol::kServiceWindowClass, protocol::kServiceWindowTitle); }

int CountServiceWindows() {
    int count = 0;
    for (HWND w = FindService(); w;
         w = FindWindowExW(nullptr, w, protocol::kServiceWindowClass, protocol::kServiceWindowTitle))
        ++count;
    return count;
}

LRESULT SendCommand(HWND service, int command) {
    DWORD_PTR reply = 0;
    if (!SendMessageTimeoutW(
            service, protocol::kCommandMessage, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(service),
            SMTO_NORMAL, 10000, &reply
        ))
        return -1;
    return static_cast<LRESULT>(reply);
}

void StopAnyService() {
    // A few rounds at most: a window that outlives its terminated process is not ours to wait for.
    for (int round = 0; round < 5; ++round) {
        HWND w = FindService();
        if (!w) return;
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        SendCommand(w, protocol::kStop);
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, owner);
        if (!process) break;
        if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void StopServicesSettled(DWORD quietMs) {
    // A launch still on its way shows its window late; stop until none shows for a while.
    for (int round = 0; round < 5; ++round) {
        StopAnyService();
        DWORD start = GetTickCount();
        while (GetTickCount() - start < quietMs && !FindService()) Sleep(50);
        if (!FindService()) return;
    }
}
