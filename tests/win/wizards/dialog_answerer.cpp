#include "tests/win/wizards/dialog_answerer.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;   // the static text of a message box
constexpr int kFileNameComboId = 0x47C;  // the file name box of the file dialog
constexpr int kFileNameEditId = 0x480;

struct Search {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpW(className, L"#32770") == 0)
        reinterpret_cast<Search*>(context)->found.push_back(window);
    return TRUE;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::wstring fileName, int messageAnswer)
    : fileName_(std::move(fileName)), messageAnswer_(messageAnswer), thread_([this] { Watch(); }) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> DialogAnswerer::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<std::wstring> DialogAnswerer::YesNoCaptions() const {
    std::lock_guard lock(mutex_);
    return yesNoCaptions_;
}

void DialogAnswerer::Watch() {
    while (!stop_) {
        Search search;
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
        for (HWND dialog : search.found) Answer(dialog);
        Sleep(50);
    }
}

void DialogAnswerer::Answer(HWND dialog) {
    {
        std::lock_guard lock(mutex_);
        for (HWND done : answered_)
            if (done == dialog) return;
        answered_.push_back(dialog);
    }
    int button = IDOK;
    if (HWND text = GetDlgItem(dialog, kMessageTextId)) {
        wchar_t buffer[1024] = {};
        GetWindowTextW(text, buffer, 1024);
        wchar_t yes[64] = {};
        wchar_t no[64] = {};
        const bool asks = GetDlgItem(dialog, IDYES) && GetDlgItem(dialog, IDNO);
        if (asks) {
            GetDlgItemTextW(dialog, IDYES, yes, 64);
            GetDlgItemTextW(dialog, IDNO, no, 64);
        }
        std::lock_guard lock(mutex_);
        messages_.push_back(buffer);
        if (asks) yesNoCaptions_.push_back(std::wstring(yes) + L"|" + no);
        button = messageAnswer_;
    } else {
        HWND name = GetDlgItem(dialog, kFileNameComboId);
        if (!name) name = GetDlgItem(dialog, kFileNameEditId);
        if (name) SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName_.c_str()));
    }
    PostMessageW(dialog, WM_COMMAND, button, 0);
}
