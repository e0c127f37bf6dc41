// Figures of the service program on this machine: how soon its window appears after a
// plain launch (the configurator gives it 500 ms), how long a quick boost takes from
// request to its last notification, and how much memory the service itself holds.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_clock.h"
#include "core/service/service_protocol.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"

using bench::Milliseconds;
using bench::Now;
using testing_support::PumpFor;

int main() {
    StopAnyService();
    constexpr int kRounds = 5;
    std::vector<double> windowTimes;
    for (int i = 0; i < kRounds; ++i) {
        ServiceProcess service;
        LARGE_INTEGER start = Now();
        if (!service.Start()) return 1;
        if (!service.WaitForWindow()) return 1;
        windowTimes.push_back(Milliseconds(start, Now()));
    }
    std::sort(windowTimes.begin(), windowTimes.end());
    std::printf(
        "window after launch: best %.0f ms, median %.0f ms, worst %.0f ms (%d launches)\n", windowTimes.front(),
        windowTimes[kRounds / 2], windowTimes.back(), kRounds
    );

    ConfiguratorStandIn configurator;
    ServiceProcess service;
    if (!service.Start()) return 1;
    HWND window = service.WaitForWindow();
    if (!window || !configurator.WaitForCount(1)) return 1;
    std::size_t from = configurator.Received().size();
    LARGE_INTEGER start = Now();
    PostMessageW(window, protocol::kActionMessage, protocol::kQuickBoost, reinterpret_cast<LPARAM>(window));
    if (!configurator.WaitForCode(protocol::kBoostFinished, from, 60000)) return 1;
    std::printf("quick boost, request to finish: %.0f ms\n", Milliseconds(start, Now()));

    PumpFor(5000);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, service.ProcessId());
    PROCESS_MEMORY_COUNTERS_EX counters{};
    if (process &&
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        std::printf(
            "service after 5 s: working set %zu KB, private %zu KB\n", counters.WorkingSetSize / 1024,
            counters.PrivateUsage / 1024
        );
    if (process) CloseHandle(process);
    return 0;
}
