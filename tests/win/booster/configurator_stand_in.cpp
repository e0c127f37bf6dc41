#include "tests/win/booster/configurator_stand_in.h"

#include <algorithm>

#include "core/service/service_protocol.h"
#include "tests/win/support/test_support.h"

using testing_support::PumpUntil;

ConfiguratorStandIn::ConfiguratorStandIn() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = protocol::kConfiguratorWindowClass;
    RegisterClassW(&windowClass);
    window_ = CreateWindowW(
        protocol::kConfiguratorWindowClass, L"configurator stand-in", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
        nullptr, windowClass.hInstance, nullptr
    );
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ConfiguratorStandIn::~ConfiguratorStandIn() { DestroyWindow(window_); }

LRESULT CALLBACK ConfiguratorStandIn::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ConfiguratorStandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == protocol::kCommandMessage) {
        self->received_.push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<WPARAM> ConfiguratorStandIn::Codes() const {
    std::vector<WPARAM> codes;
    for (const auto& n : received_) codes.push_back(n.code);
    return codes;
}

bool ConfiguratorStandIn::WaitForCount(std::size_t count, DWORD timeoutMs) {
    return PumpUntil([&] { return received_.size() >= count; }, timeoutMs);
}

bool ConfiguratorStandIn::WaitForCode(WPARAM code, std::size_t from, DWORD timeoutMs) {
    return PumpUntil(
        [&] {
            return received_.size() > from &&
                   std::any_of(
                       received_.begin() + static_cast<std::ptrdiff_t>(from), received_.end(),
                       [code](const Notification& n) { return n.code == code; }
                   );
        },
        timeoutMs
    );
}
