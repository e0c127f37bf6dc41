#pragma once
#include <cstdint>
#include <string>

// The operating-system lines of the system summaries (the configuration wizard's welcome
// page, the problem reports): the system's name, its build and its service-pack text.
namespace wizards {

// The platform numbers of the system's version information.
enum class OsPlatform : std::uint32_t { Windows9x = 1, NT = 2 };

struct OsVersion {
    std::uint32_t platform;
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t build;
    std::wstring servicePack;
};

// Texts of the string table, fetched in the current language by the caller.
struct OsLabels {
    std::wstring undetected;  // "Undetected"
    std::wstring build;       // "  Build: "
    std::wstring extra;       // "  Extra: "
};

inline constexpr std::size_t kMaxServicePackText = 128;

// The name, CR LF, the build label and the build number, CR LF, the extra label and the
// service-pack text cut to 128 characters. Systems newer than the ones named are
// "Undetected".
std::wstring OsDescription(const OsVersion& version, const OsLabels& labels);

}  // namespace wizards
