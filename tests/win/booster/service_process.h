#pragma once
#include <windows.h>

#include <optional>
#include <string>

// The real service program from the product folder, started by the test. Whatever
// happens in a test, the process it started is ended when the object goes.
class ServiceProcess {
public:
    ServiceProcess() = default;
    ~ServiceProcess() { Stop(); }
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    static std::wstring ProgramPath();

    // Starts the program with `arguments` (may be empty); false when it could not start.
    bool Start(const std::wstring& arguments = L"");
    // Waits for the service window to appear; nullptr on timeout.
    HWND WaitForWindow(DWORD timeoutMs = 15000) const;
    // Waits for the process to end; its exit code, or nothing on timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 15000) const;
    DWORD ProcessId() const { return processId_; }

    // Asks the service to stop (command 3) and waits; terminates it when it does not end.
    void Stop();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// The service window now on the desktop, if any.
HWND FindService();
// Number of service windows on the desktop.
int CountServiceWindows();
// State command `command` sent as the configurator sends it; -1 when it was not answered.
LRESULT SendCommand(HWND service, int command);
// Stops any service left running, whoever started it.
void StopAnyService();
// The same, and also any whose launch was still on its way: returns once no service window
// has shown for `quietMs`.
void StopServicesSettled(DWORD quietMs = 1500);
