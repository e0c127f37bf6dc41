#include "tests/win/controls/message_box_answer.h"

namespace testing_support {
namespace {

constexpr int kTextControl = 0xFFFF;
constexpr int kTries = 200;
constexpr DWORD kPollMs = 25;

HWND FindMessageBox(DWORD thread_id) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread_id,
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16]{};
            GetClassNameW(window, name, 16);
            if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found)
    );
    return found;
}

}  // namespace

MessageBoxAnswer::MessageBoxAnswer()
    : thread_id_(GetCurrentThreadId()), watcher_([this] {
          for (int i = 0; i < kTries; ++i) {
              if (HWND box = FindMessageBox(thread_id_)) {
                  wchar_t text[512]{};
                  GetDlgItemTextW(box, kTextControl, text, 512);
                  text_ = text;
                  PostMessageW(box, WM_COMMAND, IDOK, 0);
                  return;
              }
              Sleep(kPollMs);
          }
      }) {}

MessageBoxAnswer::~MessageBoxAnswer() {
    if (watcher_.joinable()) watcher_.join();
}

std::wstring MessageBoxAnswer::Text() {
    if (watcher_.joinable()) watcher_.join();
    return text_;
}

}  // namespace testing_support
