#include "updater/installed_version.h"

#include <windows.h>

#include <vector>

#include "core/service/service_protocol.h"
#include "platform/program_folder.h"
#include "platform/system_library.h"

namespace updater {

std::optional<update::Version> InstalledVersion() {
    using SizeCall = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using InfoCall = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryCall = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    auto infoSize = platform::SystemFunction<SizeCall>(L"version.dll", "GetFileVersionInfoSizeW");
    auto info = platform::SystemFunction<InfoCall>(L"version.dll", "GetFileVersionInfoW");
    auto query = platform::SystemFunction<QueryCall>(L"version.dll", "VerQueryValueW");
    if (!infoSize || !info || !query) return std::nullopt;

    const std::wstring file = platform::ProgramFolder() + protocol::kConfiguratorProgram;
    DWORD ignored = 0;
    std::vector<BYTE> data(infoSize(file.c_str(), &ignored));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (data.empty() || !info(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
        !query(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof(*fixed))
        return std::nullopt;
    return update::Version{{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                            HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)}};
}

}  // namespace updater
