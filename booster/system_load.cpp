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

// Not the commit charge, which counts memory as well and reads high on machines with much
// memory and a small page file.
int PageFilePercent() {
    struct Pages {
        std::uint64_t inUse = 0;
        std::uint64_t total = 0;
    } pages;
    EnumPageFilesW(
        [](LPVOID context, PENUM_PAGE_FILE_INFORMATION file, LPCWSTR) -> BOOL {
            auto* sum = static_cast<Pages*>(context);
            sum->inUse += file->TotalInUse;
            sum->total += file->TotalSize;
            return TRUE;
        },
        &pages
    );
    return Percent(pages.inUse, pages.total);
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
    return {
        Percent(inUse, memory.ullTotalPhys), processor.total, processor.kernelMode,
        Percent(memory.ullAvailPhys, memory.ullTotalPhys)};
}

PublishedLoad SystemSampler::MeasurePublished() {
    const ULONGLONG now = GetTickCount64();
    if (!cacheRead_ || now - cacheReadAt_ >= kCacheRefreshSeconds * 1000) {
        systemCache_ = SystemCachePercent();
        cacheReadAt_ = now;
        cacheRead_ = true;
    }
    return {PageFilePercent(), systemCache_};
}

}  // namespace booster
