#include "app/sys_info.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/handles.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"

namespace {

std::string PlatformName() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return "";
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) return "NT";
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return "95";
    return "";
}

std::string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? platform::Narrow(name) : "";
}

std::string UserName() {
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? platform::Narrow(name) : "";
}

}  // namespace

void TglSysInfo::Refresh() {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    platform::WindowDc screen;
    if (!GlobalMemoryStatusEx(&memory) || !screen.Get()) {
        throw platform::Error(platform::LoadResString(str::SSnapshotUnavailable));
    }
    SYSTEM_INFO system{};
    GetSystemInfo(&system);

    app::MachineSnapshot m;
    m.platform = PlatformName();
    m.processorKind = static_cast<std::int32_t>(system.wProcessorLevel | (DWORD{system.wProcessorRevision} << 16));
    m.processorName = app::ProcessorName(system.wProcessorLevel);
    m.totalPhys = memory.ullTotalPhys;
    m.availPhys = memory.ullAvailPhys;
    m.totalPageFile = memory.ullTotalPageFile;
    m.availPageFile = memory.ullAvailPageFile;
    m.totalVirtual = memory.ullTotalVirtual;
    m.availVirtual = memory.ullAvailVirtual;
    m.colorDepth = GetDeviceCaps(screen.Get(), BITSPIXEL);
    m.systemFont = app::SystemFontName(GetDeviceCaps(screen.Get(), LOGPIXELSX));
    m.refreshRate = GetDeviceCaps(screen.Get(), VREFRESH);
    m.resolution = app::ResolutionText(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    machine_ = m;
    computer_ = ComputerName();
    user_ = UserName();
}
