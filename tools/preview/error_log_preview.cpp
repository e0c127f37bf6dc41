// Not a test: the error logger as the program installs it, handed one failure from a timer
// while a window is on the screen. Leaves errorlog.txt and minidump\1.jpg beside itself and
// shows the logger's message box.
#include <windows.h>

#include "app/exception_handler.h"
#include "app/startup.h"
#include "platform/error.h"
#include "ui/application.h"

namespace {

[[gnu::noinline]] void Overheat() { throw platform::Error(L"The preview failed on purpose."); }

void CALLBACK FailOnce(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    try {
        Overheat();
    } catch (...) {
        ui::HandleException();
    }
    PostQuitMessage(0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TglExceptionHandler logger;
    logger.SetLogFileName(L"errorlog.txt");
    logger.SetApplicationName(app::kApplicationName);
    logger.SetOptions(TglExceptionHandler::kStartupOptions);
    logger.SetActive(true);
    ui::Application::Instance().Initialize();

    HWND window = CreateWindowExW(
        0, L"STATIC", L"Error log preview: a failure follows", WS_OVERLAPPEDWINDOW | WS_VISIBLE | SS_CENTER, 120, 100,
        520, 260, nullptr, nullptr, nullptr, nullptr
    );
    SetTimer(window, 1, 800, FailOnce);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(window);
    return 0;
}
