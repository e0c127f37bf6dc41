// The yardstick of the start-up bench: the least a common-controls program does before its
// first paint. A main window with a menu, a tool bar and a status bar, shown, and a message
// loop; built with the same compiler and static runtime as the configurator.
#include <windows.h>
#include <commctrl.h>

namespace {

HWND g_toolBar = nullptr;
HWND g_statusBar = nullptr;

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            SendMessageW(g_toolBar, TB_AUTOSIZE, 0, 0);
            SendMessageW(g_statusBar, WM_SIZE, 0, 0);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

HMENU PlainMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"E&xit");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    return bar;
}

void AddToolBar(HWND parent, HINSTANCE instance) {
    g_toolBar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST, 0, 0, 0, 0, parent,
        nullptr, instance, nullptr
    );
    SendMessageW(g_toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[3] = {};
    const wchar_t* captions[3] = {L"One", L"Two", L"Three"};
    for (int i = 0; i < 3; ++i) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = 100 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT;
        buttons[i].iString = reinterpret_cast<INT_PTR>(captions[i]);
    }
    SendMessageW(g_toolBar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"PlainCommonControlsWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, L"Plain window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 432, 386,
        nullptr, PlainMenu(), instance, nullptr
    );
    AddToolBar(window, instance);
    g_statusBar =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"Ready", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
