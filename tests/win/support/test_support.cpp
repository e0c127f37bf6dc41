#include "tests/win/support/test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/settings/settings_table.h"

namespace testing_support {

std::wstring ProductFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, n);
    // Tests live in <build>\tests\, the product in <build>\bin\.
    std::wstring tests = self.substr(0, self.find_last_of(L'\\'));
    return tests.substr(0, tests.find_last_of(L'\\') + 1) + L"bin\\";
}

void ResetSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, settings::kSettingsKeyPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, settings::kSettingsKeyPath);
}

void ResetToConfiguredMachine() {
    ResetSettingsKey();
    WriteRawDword("CFGFirstWizardComplete", -1);
    WriteRawDword("CFGConfigWizardComplete", -1);
}

std::optional<std::vector<std::uint8_t>> ReadRawValue(const char* name, DWORD* type) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings::kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    DWORD t = 0;
    std::optional<std::vector<std::uint8_t>> result;
    if (RegQueryValueExA(key, name, nullptr, &t, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<std::uint8_t> data(size);
        if (RegQueryValueExA(key, name, nullptr, &t, data.data(), &size) == ERROR_SUCCESS) {
            data.resize(size);
            result = std::move(data);
            if (type) *type = t;
        }
    }
    RegCloseKey(key);
    return result;
}

std::optional<std::int32_t> ReadRawDword(const char* name) {
    DWORD type = 0;
    auto data = ReadRawValue(name, &type);
    if (!data || type != REG_DWORD || data->size() != 4) return std::nullopt;
    std::int32_t v;
    memcpy(&v, data->data(), 4);
    return v;
}

void WriteRawValue(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(
            HKEY_CURRENT_USER, settings::kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr
        ) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void WriteRawDword(const char* name, std::int32_t value) { WriteRawValue(name, REG_DWORD, &value, sizeof value); }

std::vector<std::string> ListKey(const char* keyPath) {
    std::vector<std::string> lines;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return lines;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        BYTE data[4096];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        std::string line = std::string(name) + " ";
        if (type == REG_DWORD && size == 4) {
            std::int32_t v;
            memcpy(&v, data, 4);
            line += "REG_DWORD " + std::to_string(v);
        } else {
            line += "type" + std::to_string(type);
            for (DWORD i = 0; i < size; ++i) {
                char hex[4];
                snprintf(hex, sizeof hex, " %02X", data[i]);
                line += hex;
            }
        }
        lines.push_back(line);
    }
    RegCloseKey(key);
    std::sort(lines.begin(), lines.end());
    return lines;
}

HANDLE StartProcess(const std::wstring& commandLine, DWORD* processId) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return nullptr;
    CloseHandle(pi.hThread);
    if (processId) *processId = pi.dwProcessId;
    return pi.hProcess;
}

void EndProcess(HANDLE& process) {
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    process = nullptr;
}

std::optional<DWORD> RunAndWait(const std::wstring& commandLine, DWORD timeoutMs) {
    HANDLE process = StartProcess(commandLine);
    if (!process) return std::nullopt;
    std::optional<DWORD> code;
    if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) {
        DWORD c = 0;
        GetExitCodeProcess(process, &c);
        code = c;
    } else {
        TerminateProcess(process, 1);
    }
    CloseHandle(process);
    return code;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    return true;
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

SystemMailLibrary::SystemMailLibrary(const std::wstring& library) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    target_ = std::wstring(system) + L"\\MAPI32.dll";
    saved_ = target_ + L".kept-by-tests";
    if (GetFileAttributesW(saved_.c_str()) == INVALID_FILE_ATTRIBUTES) MoveFileW(target_.c_str(), saved_.c_str());
    DeleteFileW(target_.c_str());
    if (!library.empty()) CopyFileW(library.c_str(), target_.c_str(), FALSE);
}

SystemMailLibrary::~SystemMailLibrary() {
    // A test that mailed from its own process holds the library; a loaded file cannot go.
    while (HMODULE loaded = GetModuleHandleW(L"MAPI32.dll")) FreeLibrary(loaded);
    DeleteFileW(target_.c_str());
    MoveFileW(saved_.c_str(), target_.c_str());
}

std::wstring RecordingMailLibrary(const wchar_t* variant) {
    // Tests live in <build>\tests\ or a folder below it; the libraries in <build>\tests\mapi\.
    wchar_t path[MAX_PATH] = {};
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    for (std::size_t slash = folder.find_last_of(L'\\'); slash != std::wstring::npos;
         slash = folder.find_last_of(L'\\', slash - 1)) {
        const std::wstring candidate = folder.substr(0, slash + 1) + L"mapi\\" + variant + L"\\MAPI32.dll";
        if (GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
        if (slash == 0) break;
    }
    return {};
}

}  // namespace testing_support
