#include "booster/system_load.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>

namespace booster {
namespace {

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

ProcessorTimes ReadProcessorTimes() {
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user)) return {0, 0, 0};
    return {Ticks(idle), Ticks(kernel), Ticks(user)};
}

MEMORYSTATUSEX MemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) status = MEMORYSTATUSEX{};
    return status;
}

int SystemCachePercent() {
    PERFORMANCE_INFORMATION info{};
    info.cb = sizeof info;
    if (!GetPerformanceInfo(&info, sizeof info)) return 0;
    return Percent(info.SystemCache, info.PhysicalTotal);
}

}  // namespace

MemoryFigures CurrentMemory() {
    MEMORYSTATUSEX status = MemoryStatus();
    return {status.ullTotalPhys, status.ullAvailPhys};
}

SystemSampler::SystemSampler() : processor_(ReadProcessorTimes()) {}

SystemLoad SystemSampler::Measure() {
    MEMORYSTATUSEX memory = MemoryStatus();
    ProcessorLoad processor = processor_.Advance(ReadProcessorTimes());
    std::uint64_t inUse = memory.ullTotalPhys - std::min(memory.ullAvailPhys, memory.ullTotalPhys);
    std::uint64_t committed = memory.ullTotalPageFile - std::min(memory.ullAvailPageFile, memory.ullTotalPageFile);
    return {Percent(inUse, memory.ullTotalPhys),
            processor.total,
            processor.kernelMode,
            Percent(committed, memory.ullTotalPageFile),
            SystemCachePercent(),
            Percent(memory.ullAvailPhys, memory.ullTotalPhys)};
}

}  // namespace booster
