#include "app/problem_reports.h"

#include <windows.h>

#include <vector>

#include "app/mail.h"
#include "controls/file_version_info.h"
#include "core/app/problem_report.h"
#include "core/files/file_access.h"
#include "platform/error.h"
#include "core/app/error_record.h"
#include "platform/data_folder.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "wizards/system_cache.h"
#include "wizards/system_summary.h"

namespace app {
namespace {

using platform::LoadResString;

std::wstring ProgramFileVersion() {
    controls::TgsFileVersionInfo info;
    try {
        info.set_Filename(platform::ProgramPath());
    } catch (const platform::Error&) {
        // A program without version information reports an empty version.
    }
    return info.FileVersion();
}

std::vector<std::wstring> SystemSummaryLines() {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    const SystemSummary summary{
        wizards::ProcessorVendor(), wizards::OsText(),       wizards::ReadLargeSystemCache(), memory.ullAvailPhys,
        memory.ullTotalPhys,        memory.ullAvailPageFile, memory.ullTotalPageFile,         ProgramFileVersion(),
    };
    const SummaryLabels labels{
        LoadResString(str::SProcessor),   LoadResString(str::SOsVersion), LoadResString(str::SCacheHome),
        LoadResString(str::SCacheServer), LoadResString(str::SMemory),    LoadResString(str::SFree),
        LoadResString(str::STotal),       LoadResString(str::SMegabytes), LoadResString(str::SPageFile),
        LoadResString(str::SVersion),
    };
    return SummaryLines(summary, labels);
}

// The error log's lines, or the closing line when there is no log to read.
std::vector<std::wstring> ErrorLogLines() {
    const std::optional<std::vector<std::uint8_t>> log =
        files::Read(LogFilePath(kErrorLogName, platform::UserDataFolder()));
    if (!log) return {LoadResString(str::SBugListFinal)};
    const std::string text(log->begin(), log->end());
    std::vector<std::wstring> lines;
    for (const std::string& line : SplitLines(text)) lines.push_back(platform::Widen(line));
    return lines;
}

unsigned long SendReport(bool synchronous, std::vector<std::wstring> lines) {
    for (std::wstring& line : SystemSummaryLines()) lines.push_back(std::move(line));
    for (std::wstring& line : ErrorLogLines()) lines.push_back(std::move(line));
    return SendMail(
        synchronous, {platform::LoadResStringA(str::SSupportName), platform::LoadResStringA(str::SSupportAddress),
                      platform::LoadResStringA(str::SMailSubject), platform::Narrow(JoinLines(lines))}
    );
}

}  // namespace

unsigned long ComposeBugReport(bool synchronous) {
    return SendReport(
        synchronous, {LoadResString(str::SBugIntro), LoadResString(str::SBugProblemLooks),
                      LoadResString(str::SBugProblemApps), LoadResString(str::SBugProblemInfluence)}
    );
}

unsigned long ComposeUninstallFeedback(bool synchronous) {
    return SendReport(
        synchronous, {LoadResString(str::SUninstallHello), LoadResString(str::SUninstallNow),
                      LoadResString(str::SUninstallReasons), LoadResString(str::SUninstallChanges)}
    );
}

unsigned long ComposeTellAFriend(bool synchronous) {
    const std::vector<std::wstring> lines{
        LoadResString(str::SFriendHello), LoadResString(str::SFriendRecommend), LoadResString(str::SFriendDownload),
        LoadResString(str::SFriendDownloadUrl)};
    return SendMail(
        synchronous, {platform::LoadResStringA(str::SFriendName), platform::LoadResStringA(str::SFriendAddress),
                      platform::LoadResStringA(str::SFriendSubject), platform::Narrow(JoinLines(lines))}
    );
}

}  // namespace app
