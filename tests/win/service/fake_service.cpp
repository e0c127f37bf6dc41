#include "tests/win/service/fake_service.h"

#include "core/service/service_protocol.h"

FakeService::FakeService(Mode mode, int reply) : mode_(mode), reply_(reply), thread_([this] { Run(); }) {
    while (!window_) Sleep(5);
}

FakeService::~FakeService() {
    SetEvent(release_);
    PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
    CloseHandle(release_);
}

LRESULT CALLBACK FakeService::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakeService*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == protocol::kCommandMessage) {
        self->lastCommand_ = static_cast<int>(wParam);
        self->lastLParam_ = lParam;
        return self->reply_;
    }
    if (self && msg == protocol::kActionMessage) {
        self->lastAction_ = static_cast<int>(wParam);
        return 0;
    }
    if (msg == WM_CLOSE) {
        DestroyWindow(hwnd);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void FakeService::Run() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = protocol::kServiceWindowClass;
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowW(
        protocol::kServiceWindowClass, protocol::kServiceWindowTitle, 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
        nullptr
    );
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = hwnd;
    if (mode_ == Mode::kHang) WaitForSingleObject(release_, INFINITE);  // never pumps meanwhile
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
}
