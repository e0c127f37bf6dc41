#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The service's command line. A plain launch has no arguments; a launch with a file has
// three: the amount to reclaim in megabytes ("-1": worked out by the service), a mode
// letter and the full path of the file to start. Arguments after the third are handed
// to the started file (a shortcut made from another shortcut carries its target's).
namespace booster {

enum class AfterLaunch {
    KeepPreviousState,  // "s"
    KeepRunning,        // "r"
    Unload,             // "e"
};

inline constexpr std::int64_t kAutomaticAmount = -1;
// Far beyond any physical memory; larger numbers are taken as garbage.
inline constexpr std::int64_t kMaxMegabytes = std::int64_t{1} << 24;

struct FileLaunchRequest {
    std::int64_t megabytes;  // kAutomaticAmount or 0..kMaxMegabytes
    AfterLaunch after;
    std::wstring path;
    std::wstring parameters;  // ready for the shell, empty when there are none
};

struct ServiceArguments {
    enum Kind { kPlain, kFile, kInvalid } kind;
    FileLaunchRequest request;  // meaningful for kFile only
};

// `args` excludes the program name.
ServiceArguments ParseServiceArguments(const std::vector<std::wstring>& args);

// "C:\..." or "\\server\share\...": a relative path would depend on whatever folder the
// reader happens to run in.
bool IsFullPath(const std::wstring& path);

// Quotes one argument so that the receiving program splits it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);
// The same, in quotation marks also when it needs none.
std::wstring AlwaysQuoted(const std::wstring& argument);

// "s", "r" or "e".
const wchar_t* ModeLetter(AfterLaunch after);

}  // namespace booster
