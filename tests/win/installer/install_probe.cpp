// What the installer test asks of Windows itself, from inside the Wine prefix:
//   install_probe link <shortcut.lnk> <out.txt>   writes the shortcut's target and working
//                                                 folder, one per line, in UTF-8
//   install_probe shown <class> <seconds>         exits 0 once a shown window of the class exists
//   install_probe exists <class> <seconds>        the same for any window, hidden ones too
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

// The target as the shell follows it: by the shortcut's item list, which keeps every
// character of the name, and by its stored path only when it has none.
bool TargetOf(IShellLinkW* shellLink, wchar_t (&target)[MAX_PATH]) {
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(shellLink->GetIDList(&items)) && items) {
        const bool found = SHGetPathFromIDListW(items, target);
        CoTaskMemFree(items);
        if (found) return true;
    }
    return SUCCEEDED(shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH));
}

int WriteShortcut(const wchar_t* link, const wchar_t* outFile) {
    if (FAILED(CoInitialize(nullptr))) return 2;
    int status = 1;
    IShellLinkW* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        wchar_t target[MAX_PATH] = L"";
        wchar_t folder[MAX_PATH] = L"";
        if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(link, STGM_READ)) &&
            TargetOf(shellLink, target) && SUCCEEDED(shellLink->GetWorkingDirectory(folder, MAX_PATH))) {
            if (FILE* out = _wfopen(outFile, L"wb")) {
                std::fprintf(out, "%s\n%s\n", Utf8(target).c_str(), Utf8(folder).c_str());
                std::fclose(out);
                status = 0;
            }
        }
        if (file) file->Release();
        shellLink->Release();
    }
    CoUninitialize();
    return status;
}

int WaitForWindow(const wchar_t* className, int seconds, bool shown) {
    for (int i = 0; i < seconds * 10; ++i) {
        HWND window = FindWindowW(className, nullptr);
        if (window && (!shown || IsWindowVisible(window))) return 0;
        Sleep(100);
    }
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && std::wcscmp(argv[1], L"link") == 0) return WriteShortcut(argv[2], argv[3]);
    if (argc == 4 && std::wcscmp(argv[1], L"shown") == 0) return WaitForWindow(argv[2], _wtoi(argv[3]), true);
    if (argc == 4 && std::wcscmp(argv[1], L"exists") == 0) return WaitForWindow(argv[2], _wtoi(argv[3]), false);
    std::fputs("usage: install_probe link <shortcut> <out> | shown|exists <class> <seconds>\n", stderr);
    return 2;
}
