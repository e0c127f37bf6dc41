#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

// A stand-in for the booster service's window, on a thread of its own: it answers state
// commands with a fixed reply, records what it was sent, or hangs without answering.
class FakeService {
public:
    enum class Mode { kAnswer, kHang };
    FakeService(Mode mode, int reply);
    ~FakeService();
    HWND Window() const { return window_; }
    int LastCommand() const { return lastCommand_; }
    LPARAM LastLParam() const { return lastLParam_; }
    int LastAction() const { return lastAction_; }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    void Run();

    Mode mode_;
    int reply_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<int> lastCommand_{-1};
    std::atomic<LPARAM> lastLParam_{0};
    std::atomic<int> lastAction_{-1};
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};
