#include "settings/physical_memory.h"

#include <windows.h>

#include "core/settings/size_fields.h"

namespace {

std::uint64_t overrideBytes = 0;

std::uint64_t MeasuredBytes() {
    static const std::uint64_t total = [] {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        return GlobalMemoryStatusEx(&status) ? status.ullTotalPhys : 0;
    }();
    return total;
}

}  // namespace

std::uint64_t PhysicalMemoryBytes() { return overrideBytes ? overrideBytes : MeasuredBytes(); }

std::int32_t SizeFieldMaximumMB() { return settings::SizeFieldMaximum(PhysicalMemoryBytes()); }

void OverridePhysicalMemoryBytes(std::uint64_t bytes) { overrideBytes = bytes; }
