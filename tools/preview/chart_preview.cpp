// A window with three live charts fed by a simulated service, for looking at them.
// Arguments: layout (1 .. 5, default 1), seconds before it closes itself (default 10),
// client width and height (default 640 x 480).
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <shellapi.h>

#include "tests/win/controls/chart_rig.h"

namespace {

constexpr UINT_PTR kChartTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT kTickMs = 150;

std::unique_ptr<ChartRig> rig;

chart::ClientArea Client(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom, 0, 0};
}

void Relayout(HWND window, int n) {
    rig->Layout(n, Client(window));
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    try {
        switch (message) {
            case WM_TIMER:
                if (wparam == kCloseTimer) {
                    DestroyWindow(window);
                } else {
                    rig->AdvanceService();
                    rig->Tick();
                }
                return 0;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(window, &ps);
                rig->Paint(dc);
                EndPaint(window, &ps);
                return 0;
            }
            case WM_SIZE:
                if (rig) Relayout(window, -1);
                return 0;
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
        }
    } catch (...) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    auto arg = [&](int i, int fallback) { return argc > i ? _wtoi(argv[i]) : fallback; };
    const int chosen = arg(1, 1);
    const int seconds = arg(2, 10);
    RECT frame{0, 0, arg(3, 640), arg(4, 480)};
    LocalFree(argv);

    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ChartPreview";
    RegisterClassW(&wc);
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowW(
        L"ChartPreview", L"Charts", WS_OVERLAPPEDWINDOW, 10, 10, frame.right - frame.left, frame.bottom - frame.top,
        nullptr, nullptr, instance, nullptr
    );
    if (!window) return 1;
    rig = std::make_unique<ChartRig>(window);
    Relayout(window, chosen);
    ShowWindow(window, show);
    SetTimer(window, kChartTimer, kTickMs, nullptr);
    SetTimer(window, kCloseTimer, static_cast<UINT>(seconds) * 1000, nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    rig.reset();
    return 0;
}
