#include "app/message_box_text.h"

#include <string_view>

namespace app {
namespace {

constexpr int kTextId = 0xFFFF;  // the system's message boxes show their text in this static control

struct Search {
    const std::wstring& title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    wchar_t className[16] = {};
    wchar_t title[256] = {};
    GetClassNameW(window, className, 16);
    GetWindowTextW(window, title, 256);
    if (std::wstring_view(className) != L"#32770" || search.title != title) return TRUE;
    search.found = window;
    return FALSE;
}

// The height the text needs at the control's width and font.
int TextHeight(HWND control, const std::wstring& text, int width) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return r.bottom - r.top;
}

RECT RectIn(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

HWND FindThreadMessageBox(const std::wstring& title) {
    Search search{title};
    EnumThreadWindows(GetCurrentThreadId(), MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SetMessageBoxText(HWND box, const std::wstring& text) {
    HWND label = box ? GetDlgItem(box, kTextId) : nullptr;
    if (!label) return;
    const RECT shown = RectIn(box, label);
    const int grow = TextHeight(label, text, shown.right - shown.left) - (shown.bottom - shown.top);
    if (grow > 0) {
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const RECT r = RectIn(box, child);
            if (child == label)
                SetWindowPos(
                    child, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + grow, SWP_NOMOVE | SWP_NOZORDER
                );
            else if (r.top >= shown.bottom)
                SetWindowPos(child, nullptr, r.left, r.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        RECT frame{};
        GetWindowRect(box, &frame);
        SetWindowPos(
            box, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + grow,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE
        );
    }
    SetWindowTextW(label, text.c_str());
}

}  // namespace app
