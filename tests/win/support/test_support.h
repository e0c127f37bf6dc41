#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Helpers shared by the Windows tests.
namespace testing_support {

// The installed-product folder (the programs, lang\ and help\), with a trailing backslash.
std::wstring ProductFolder();

// Deletes the whole settings key, so a test starts as on a machine that never ran the program.
void ResetSettingsKey();

// The same, then marks both wizards as done, as on a machine that was set up before.
void ResetToConfiguredMachine();

// Raw access to values of the settings key, bypassing the access layer.
std::optional<std::int32_t> ReadRawDword(const char* name);
std::optional<std::vector<std::uint8_t>> ReadRawValue(const char* name, DWORD* type = nullptr);
void WriteRawDword(const char* name, std::int32_t value);

// Every value of a key under HKEY_CURRENT_USER, as "name type data" lines sorted by name
// (REG_DWORD data as a signed number, anything else as hexadecimal bytes); empty when the
// key is missing. Two listings are equal exactly when the values are byte for byte.
std::vector<std::string> ListKey(const char* keyPath);
void WriteRawValue(const char* name, DWORD type, const void* data, DWORD size);

// Starts a program; returns its process handle (the caller closes it), or null.
HANDLE StartProcess(const std::wstring& commandLine, DWORD* processId = nullptr);

// Ends a program the test started, if any: terminates it, waits for it and closes the handle.
void EndProcess(HANDLE& process);

// Starts a program and waits for it to end; returns its exit code, or nothing when it
// did not end within the timeout (it is then terminated).
std::optional<DWORD> RunAndWait(const std::wstring& commandLine, DWORD timeoutMs = 20000);

// Handles the thread's messages until `done` holds or the timeout passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000);
// Handles messages for a while, so that anything on its way has arrived.
void PumpFor(DWORD ms);

// Puts a recording stand-in of the simple mail library where the system's own lies (the
// program loads it from nowhere else) for the lifetime of the object, and the system's back
// afterwards. An empty path leaves the system without one.
class SystemMailLibrary {
public:
    explicit SystemMailLibrary(const std::wstring& library);
    ~SystemMailLibrary();
    SystemMailLibrary(const SystemMailLibrary&) = delete;
    SystemMailLibrary& operator=(const SystemMailLibrary&) = delete;

private:
    std::wstring target_;
    std::wstring saved_;
};

// The recording mail libraries the build makes: "accepting" or "rejecting".
std::wstring RecordingMailLibrary(const wchar_t* variant);

}  // namespace testing_support
