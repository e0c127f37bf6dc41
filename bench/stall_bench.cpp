// How long the desktop stalls while memory is reclaimed: a probe window on a thread of its
// own answers a message every millisecond, and the longest round trip is printed for the
// service's "maximum possible" boost, for trimming every process in one go at normal
// priority, and for the same time with nothing reclaimed.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "bench/bench_clock.h"
#include "core/service/service_protocol.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/booster/service_process.h"

using bench::Milliseconds;
using bench::Now;

namespace {

// A window answering on its own thread, as any other program's window does.
class Probe {
public:
    Probe() {
        thread_ = std::thread([this] {
            window_ = CreateWindowExW(0, L"STATIC", L"probe", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
            ready_ = true;
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        });
        while (!ready_) Sleep(1);
    }
    ~Probe() {
        PostMessageW(window_, WM_QUIT, 0, 0);
        thread_.join();
    }
    // Sends to the probe every millisecond while `work` runs; the longest round trip in ms.
    double LongestRoundTripDuring(const std::function<void()>& work) {
        std::atomic<bool> done = false;
        double longest = 0;
        std::thread sender([&] {
            while (!done) {
                const LARGE_INTEGER start = Now();
                DWORD_PTR result;
                SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
                longest = std::max(longest, Milliseconds(start, Now()));
                Sleep(1);
            }
        });
        work();
        done = true;
        sender.join();
        return longest;
    }

private:
    std::thread thread_;
    std::atomic<bool> ready_ = false;
    HWND window_ = nullptr;
};

void TrimEveryProcessInOneGo() {
    DWORD ids[4096];
    DWORD bytes = 0;
    if (!EnumProcesses(ids, sizeof ids, &bytes)) return;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, ids[i]);
        if (!process) continue;
        EmptyWorkingSet(process);
        CloseHandle(process);
    }
}

}  // namespace

int main() {
    StopAnyService();
    ConfiguratorStandIn configurator;
    ServiceProcess service;
    if (!service.Start()) return 1;
    HWND window = service.WaitForWindow();
    if (!window || !configurator.WaitForCount(1)) return 1;

    Probe probe;
    double boostMs = 0;
    const double duringBoost = probe.LongestRoundTripDuring([&] {
        const std::size_t from = configurator.Received().size();
        const LARGE_INTEGER start = Now();
        PostMessageW(window, protocol::kActionMessage, protocol::kScrapAll, reinterpret_cast<LPARAM>(window));
        configurator.WaitForCode(protocol::kBoostFinished, from, 60000);
        boostMs = Milliseconds(start, Now());
    });
    const double inOneGo = probe.LongestRoundTripDuring(TrimEveryProcessInOneGo);
    const double idle = probe.LongestRoundTripDuring([&] { Sleep(static_cast<DWORD>(boostMs)); });
    std::printf(
        "probe window, longest round trip: %.1f ms during a maximum-possible boost (%.0f ms), %.1f ms trimming in "
        "one go, %.1f ms idle (goal: under 50 ms)\n",
        duringBoost, boostMs, inOneGo, idle
    );
    return 0;
}
