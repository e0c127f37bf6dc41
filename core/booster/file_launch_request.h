#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The service's command line. A plain launch has no arguments; a launch with a file has
// three: the amount to reclaim in megabytes ("-1": worked out by the service), a mode
// letter and the full path of the file to start. Two optional arguments may follow, in
// this order: "/startin:<full path>", the folder to start the file in (else its own), and
// "/show:<0, 1 or 2>", the file's window normal, minimised or maximised (else normal); a
// shortcut made from another shortcut carries that shortcut's. Whatever follows is handed
// to the started file exactly as written. The Run key starts the service at logon with one
// argument instead: kLogonArgument from the user's own value, kLogonByPolicyArgument from the
// value the installer writes for every user (core/booster/logon_start.h says which runs).
namespace booster {

inline constexpr const wchar_t* kLogonArgument = L"-logon";
inline constexpr const wchar_t* kLogonByPolicyArgument = L"-logon=policy";

enum class AfterLaunch {
    KeepPreviousState,  // "s"
    KeepRunning,        // "r"
    Unload,             // "e"
};

inline constexpr std::int64_t kAutomaticAmount = -1;
// Far beyond any physical memory; larger numbers are taken as garbage.
inline constexpr std::int64_t kMaxMegabytes = std::int64_t{1} << 24;

enum class LaunchShow { Normal, Minimized, Maximized };

struct FileLaunchRequest {
    std::int64_t megabytes = kAutomaticAmount;  // kAutomaticAmount or 0..kMaxMegabytes
    AfterLaunch after = AfterLaunch::KeepPreviousState;
    std::wstring path;
    std::wstring folder;      // a full path; empty: the file's own folder
    LaunchShow show = LaunchShow::Normal;
    std::wstring parameters;  // the rest of the command line, empty when there is none
};

struct ServiceArguments {
    enum Kind { kPlain, kFile, kLogon, kLogonByPolicy, kInvalid } kind;
    FileLaunchRequest request;  // meaningful for kFile only
};

// `commandLine` is the whole line the system hands over, the program name first.
ServiceArguments ParseServiceCommandLine(std::wstring_view commandLine);

// The optional arguments, quoted, ready to follow the path.
std::wstring StartInArgument(const std::wstring& folder);
std::wstring ShowArgument(LaunchShow show);

// The arguments of a command line after the program name, split by the system's rules.
std::vector<std::wstring> SplitArguments(std::wstring_view arguments);

// "C:\..." or "\\server\share\...": a relative path would depend on whatever folder the
// reader happens to run in.
bool IsFullPath(const std::wstring& path);
// A full path without control characters: what the service takes as its file or folder.
bool IsUsablePath(const std::wstring& path);

// Quotes one argument so that the receiving program splits it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);
// The same, in quotation marks also when it needs none.
std::wstring AlwaysQuoted(const std::wstring& argument);

// "s", "r" or "e".
const wchar_t* ModeLetter(AfterLaunch after);

}  // namespace booster
