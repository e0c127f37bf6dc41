#include "tests/win/support/remote_window.h"

namespace testing_support {
namespace {

template <class Found>
HWND WaitFor(DWORD timeoutMs, Found found) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND window = found()) return window;
        if (GetTickCount64() >= end) return nullptr;
        Sleep(50);
    }
}

struct ButtonSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    if (search->caption == text && IsWindowVisible(child)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

struct BoxSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (owner == search->processId && IsWindowVisible(window) && std::wstring(className) == L"#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ShownWindowOfClass(const wchar_t* className) {
    HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND WaitForWindowOfClass(const wchar_t* className, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [&] { return ShownWindowOfClass(className); });
}

bool Click(HWND window, const std::wstring& caption) {
    ButtonSearch search{caption};
    EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    SendMessageW(search.found, BM_CLICK, 0, 0);
    return true;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [&] {
        BoxSearch search{processId};
        EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
}

std::wstring AnswerMessageBox(HWND box) {
    wchar_t text[2048] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 2048);  // the static control of a message box
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
}

std::optional<UINT> MenuCommandAt(HWND window, std::initializer_list<int> positions) {
    HMENU menu = GetMenu(window);
    const int* last = positions.end() - 1;
    for (const int* at = positions.begin(); menu && at != positions.end(); ++at) {
        const int count = GetMenuItemCount(menu);
        const int position = *at < 0 ? count + *at : *at;
        if (position < 0 || position >= count) return std::nullopt;
        if (at == last) return GetMenuItemID(menu, position);
        menu = GetSubMenu(menu, position);
    }
    return std::nullopt;
}

std::wstring MenuBarCaption(HWND window, int position) {
    wchar_t text[256] = {};
    GetMenuStringW(GetMenu(window), position, text, 256, MF_BYPOSITION);
    return text;
}

}  // namespace testing_support
