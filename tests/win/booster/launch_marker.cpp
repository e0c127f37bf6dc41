// Started by the service in the file-launch tests: writes its command line, its working
// folder and the show command it was started with (-1: none given), one per line, to a
// file named after itself with ".ran" appended.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t folder[MAX_PATH];
    DWORD folderLength = GetCurrentDirectoryW(MAX_PATH, folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::wstring note = std::wstring(GetCommandLineW()) + L"\n" + std::wstring(folder, folderLength) + L"\n" +
                        std::to_wstring(show);
    std::wstring out = std::wstring(self, length) + L".ran";
    HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, note.data(), static_cast<DWORD>(note.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
