#include "wizards/system_summary.h"

#include <windows.h>
#include <cpuid.h>

#include <cstdint>
#include <cstring>

#include "core/wizards/system_description.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "settings/physical_memory.h"
#include "wizards/system_cache.h"

namespace wizards {
namespace {

using platform::LoadResString;

// The 12 letters of the vendor identification, from registers EBX, EDX and ECX.
std::wstring ProcessorVendor() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(0, &eax, &ebx, &ecx, &edx)) return {};
    char vendor[12];
    std::memcpy(vendor, &ebx, 4);
    std::memcpy(vendor + 4, &edx, 4);
    std::memcpy(vendor + 8, &ecx, 4);
    return std::wstring(vendor, vendor + sizeof vendor);
}

std::wstring SystemName() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExW(&info);
    OsVersion version{
        info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.szCSDVersion};
    return OsDescription(
        version, {LoadResString(str::SOsUndetected), LoadResString(str::SOsBuild), LoadResString(str::SOsExtra)}
    );
}

// Megabytes rounded at half a million bytes, in 64 bits: today's machines overflow 32.
std::wstring Megabytes(std::uint64_t bytes) {
    return std::to_wstring((bytes + 500000u) / 1048576u) + LoadResString(str::SMegabytes);
}

}  // namespace

std::vector<std::wstring> SystemSummaryLines() {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    const std::wstring free = LoadResString(str::SFree);
    const std::wstring total = LoadResString(str::STotal);
    return {
        LoadResString(str::SProcessor) + ProcessorVendor(),
        L"",
        LoadResString(str::SOsVersion) + SystemName(),
        L"",
        LoadResString(ReadLargeSystemCache() ? str::SCacheServer : str::SCacheHome),
        L"",
        LoadResString(str::SMemory),
        free + Megabytes(memory.ullAvailPhys),
        total + Megabytes(PhysicalMemoryBytes()),
        L"",
        LoadResString(str::SPageFile),
        free + Megabytes(memory.ullAvailPageFile),
        total + Megabytes(memory.ullTotalPageFile),
    };
}

}  // namespace wizards
