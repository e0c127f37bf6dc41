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

// Pause between two batches: long enough for the scheduler to run whoever waits.
constexpr DWORD kBatchPauseMs = 1;

struct ProcessList {
    std::vector<ProcessUsage> processes;
    std::size_t denied = 0;
};

// The processes this pass may trim, with their working sets; itself, the system's own and
// those the rules spare left out. Those the system will not let us open are counted.
ProcessList ListProcesses(const TrimRules& rules) {
    ProcessList list;
    platform::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Get()) return list;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD self = GetCurrentProcessId();
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID == 0 || entry.th32ProcessID == self) continue;
        if (!MayTrim(rules, entry.szExeFile, entry.th32ProcessID)) continue;
        platform::KernelHandle process(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_SET_QUOTA, FALSE, entry.th32ProcessID)
        );
        if (!process.Get()) {
            if (GetLastError() == ERROR_ACCESS_DENIED) ++list.denied;
            continue;
        }
        PROCESS_MEMORY_COUNTERS counters{};
        if (GetProcessMemoryInfo(process.Get(), &counters, sizeof counters))
            list.processes.push_back({entry.th32ProcessID, counters.WorkingSetSize});
    }
    SortLargestFirst(list.processes);
    return list;
}

void Trim(std::uint32_t id) {
    platform::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_SET_QUOTA, FALSE, id));
    if (process.Get()) EmptyWorkingSet(process.Get());
}

std::uint64_t GrowthSince(std::uint64_t before) {
    std::uint64_t now = CurrentMemory().availablePhysical;
    return now > before ? now - before : 0;
}

// The calling thread below normal priority for as long as it lives.
class LowerPriority {
public:
    LowerPriority() : previous_(GetThreadPriority(GetCurrentThread())) {
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    }
    ~LowerPriority() { SetThreadPriority(GetCurrentThread(), previous_); }
    LowerPriority(const LowerPriority&) = delete;
    LowerPriority& operator=(const LowerPriority&) = delete;

private:
    int previous_;
};

}  // namespace

ReclaimResult Reclaim(const ReclaimRequest& request, const std::atomic<bool>& cancelled, const BoostNotifier& notify) {
    LowerPriority priority;
    notify(protocol::kBoostStarted);
    std::uint64_t before = CurrentMemory().availablePhysical;
    ProcessList list = ListProcesses(request.rules);
    ReclaimProgress progress{request.goal, 0, 0, list.processes.size() * static_cast<std::size_t>(request.sweeps)};
    int shown = 0;
    for (int sweep = 0; sweep < request.sweeps && !GoalReached(progress); ++sweep) {
        for (const ProcessUsage& process : list.processes) {
            if (cancelled || GoalReached(progress)) break;
            Trim(process.id);
            ++progress.trimmed;
            progress.reclaimed = GrowthSince(before);
            int percent = ProgressPercent(progress);
            if (percent > shown && percent < 100) {
                shown = percent;
                notify(protocol::kBoostStarted + percent);
            }
            Sleep(progress.trimmed % kTrimBatch == 0 ? kBatchPauseMs : 0);
        }
        if (cancelled) break;
    }
    notify(protocol::kBoostFinished);
    return {list.denied};
}

}  // namespace booster
