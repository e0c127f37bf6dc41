#include "core/wizards/system_description.h"

namespace wizards {
namespace {

// The consumer names stand for every platform other than NT.
struct NamedVersion {
    bool nt;
    std::uint32_t major;
    std::uint32_t minor;
    const wchar_t* name;
};

constexpr NamedVersion kNames[] = {
    {true, 3, 51, L"Windows NT 3.51"},   {true, 4, 0, L"Windows NT 4.0"}, {true, 5, 0, L"Windows 2000"},
    {true, 5, 1, L"Windows XP or .NET"}, {false, 4, 0, L"Windows 95"},    {false, 4, 10, L"Windows 98"},
    {false, 4, 90, L"Windows Me"},
};

}  // namespace

std::wstring OsDescription(const OsVersion& version, const OsLabels& labels) {
    std::wstring name = labels.undetected;
    for (const NamedVersion& named : kNames) {
        const bool nt = version.platform == static_cast<std::uint32_t>(OsPlatform::NT);
        if (named.nt == nt && named.major == version.major && named.minor == version.minor) {
            name = named.name;
        }
    }
    return name + L"\r\n" + labels.build + std::to_wstring(version.build) + L"\r\n" + labels.extra +
           version.servicePack.substr(0, kMaxServicePackText);
}

}  // namespace wizards
