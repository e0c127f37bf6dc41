#include "booster/reclaimer.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

#include "booster/system_load.h"
#include "core/booster/reclaim_plan.h"
#include "core/service/service_protocol.h"
#include "platform/handles.h"

namespace booster {
namespace {

// The processes this service may open, with their working sets; itself excluded.
std::vector<ProcessUsage> ListProcesses() {
    std::vector<ProcessUsage> processes;
    platform::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Get()) return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD self = GetCurrentProcessId();
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID == 0 || entry.th32ProcessID == self) continue;
        platform::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        PROCESS_MEMORY_COUNTERS counters{};
        if (process.Get() && GetProcessMemoryInfo(process.Get(), &counters, sizeof counters))
            processes.push_back({entry.th32ProcessID, counters.WorkingSetSize});
    }
    SortLargestFirst(processes);
    return processes;
}

void Trim(std::uint32_t id) {
    platform::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_SET_QUOTA, FALSE, id));
    if (process.Get()) EmptyWorkingSet(process.Get());
}

std::uint64_t GrowthSince(std::uint64_t before) {
    std::uint64_t now = CurrentMemory().availablePhysical;
    return now > before ? now - before : 0;
}

}  // namespace

void Reclaim(const ReclaimRequest& request, const std::atomic<bool>& cancelled, const BoostNotifier& notify) {
    notify(protocol::kBoostStarted);
    std::uint64_t before = CurrentMemory().availablePhysical;
    std::vector<ProcessUsage> processes = ListProcesses();
    ReclaimProgress progress{request.goal, 0, 0, processes.size() * static_cast<std::size_t>(request.sweeps)};
    int shown = 0;
    for (int sweep = 0; sweep < request.sweeps && !GoalReached(progress); ++sweep) {
        for (const ProcessUsage& process : processes) {
            if (cancelled || GoalReached(progress)) break;
            Trim(process.id);
            ++progress.trimmed;
            progress.reclaimed = GrowthSince(before);
            int percent = ProgressPercent(progress);
            if (percent > shown && percent < 100) {
                shown = percent;
                notify(protocol::kBoostStarted + percent);
            }
        }
        if (cancelled) break;
    }
    notify(protocol::kBoostFinished);
}

}  // namespace booster
