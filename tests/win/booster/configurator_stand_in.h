#pragma once
#include <windows.h>

#include <functional>
#include <vector>

// A window of the configurator's main-window class on the test's thread, recording the
// service's notifications. Posted notifications arrive only while the thread pumps
// messages, so every wait here pumps.
class ConfiguratorStandIn {
public:
    struct Notification {
        WPARAM code;
        LPARAM lParam;
    };

    ConfiguratorStandIn();
    ~ConfiguratorStandIn();
    ConfiguratorStandIn(const ConfiguratorStandIn&) = delete;
    ConfiguratorStandIn& operator=(const ConfiguratorStandIn&) = delete;

    HWND Window() const { return window_; }
    const std::vector<Notification>& Received() const { return received_; }
    std::vector<WPARAM> Codes() const;

    // Pumps until `count` notifications have arrived; false on timeout.
    bool WaitForCount(std::size_t count, DWORD timeoutMs = 15000);
    // Pumps until a notification with `code` arrives after the first `from` ones.
    bool WaitForCode(WPARAM code, std::size_t from = 0, DWORD timeoutMs = 15000);

private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    std::vector<Notification> received_;
};
