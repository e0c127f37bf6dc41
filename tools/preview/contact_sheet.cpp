// Shows every image list and icon of the program at 1x on light, grey and dark grounds
// and enlarged, so they can be judged by eye (take a screenshot of the window).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "tests/win/resources/image_strip.h"

namespace {

constexpr COLORREF kGrounds[] = {RGB(255, 255, 255), RGB(240, 240, 240), RGB(43, 43, 43)};
constexpr int kGap = 10;
constexpr int kLeft = 130;

HIMAGELIST ListOf(const image_tests::StripLayout& layout) {
    const image_tests::Strip strip(layout.name);
    HIMAGELIST list = ImageList_Create(layout.size, layout.size, ILC_COLOR32, layout.count, 0);
    ImageList_Add(list, strip.Handle(), nullptr);
    return list;
}

// The strip drawn through its image list on one ground, copied to the window at a scale.
void DrawStrip(
    HDC target, HIMAGELIST list, const image_tests::StripLayout& layout, int x, int y, COLORREF ground, int scale
) {
    const int width = layout.size * layout.count;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP canvas = CreateCompatibleBitmap(target, width, layout.size);
    HGDIOBJ old = SelectObject(dc, canvas);
    HBRUSH brush = CreateSolidBrush(ground);
    RECT all{0, 0, width, layout.size};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    for (int i = 0; i < layout.count; ++i) ImageList_Draw(list, i, dc, i * layout.size, 0, ILD_NORMAL);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, x, y, width * scale, layout.size * scale, dc, 0, 0, width, layout.size, SRCCOPY);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
}

// The program's icon from its resources and the service's from the file beside this program.
void DrawIcons(HDC dc, int x, int y) {
    for (bool service : {false, true}) {
        for (int size : {16, 24, 32, 48, 128}) {
            auto icon = static_cast<HICON>(
                service ? LoadImageW(
                              nullptr, image_tests::ServiceIconFile().c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE
                          )
                        : LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0)
            );
            DrawIconEx(dc, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
            x += size + kGap;
        }
    }
}

void Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SetBkMode(dc, TRANSPARENT);
    int y = kGap;
    for (const auto& layout : image_tests::kStrips) {
        HIMAGELIST list = ListOf(layout);
        const int width = layout.size * layout.count;
        TextOutW(dc, kGap, y, layout.name, lstrlenW(layout.name));
        int x = kLeft;
        for (COLORREF ground : kGrounds) {
            DrawStrip(dc, list, layout, x, y, ground, 1);
            x += width + kGap;
        }
        y += layout.size + kGap / 2;
        const int scale = std::clamp(std::min(1400 / width, 160 / layout.size), 1, 4);
        DrawStrip(dc, list, layout, kLeft, y, kGrounds[1], scale);
        y += layout.size * scale + kGap;
        ImageList_Destroy(list);
    }
    DrawIcons(dc, kLeft, y);
    EndPaint(window, &ps);
}

LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    try {
        switch (message) {
            case WM_PAINT:
                Paint(window);
                return 0;
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
            default:
                return DefWindowProcW(window, message, wparam, lparam);
        }
    } catch (...) {
        return 0;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = SheetProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    cls.hIcon = LoadIconW(instance, L"MAINICON");
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = L"ImageContactSheet";
    RegisterClassW(&cls);
    CreateWindowW(
        cls.lpszClassName, L"Images", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1580, 1040, nullptr, nullptr, instance,
        nullptr
    );
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
