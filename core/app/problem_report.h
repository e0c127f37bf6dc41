#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The bodies of the problem-report mails: a few opening paragraphs, a summary of the
// machine and, for the bug report, the whole error log.
namespace app {

// Megabytes of the report: rounded at 500000 bytes, then whole MB.
std::int64_t ReportMegabytes(std::uint64_t bytes);

struct SystemSummary {
    std::wstring processorVendor;  // the 12 characters of the processor's identification
    std::wstring osDescription;
    bool fileServerCache{};
    std::uint64_t availPhys{};
    std::uint64_t totalPhys{};
    std::uint64_t availPageFile{};
    std::uint64_t totalPageFile{};
    std::wstring fileVersion;
};

// Texts of the string table, in the current language.
struct SummaryLabels {
    std::wstring processor;    // "Processor  : "
    std::wstring osVersion;    // "OS version : "
    std::wstring cacheHome;    // "Cache settings : Home computer"
    std::wstring cacheServer;  // "Cache settings : File server"
    std::wstring memory;       // "Memory     : "
    std::wstring free;         // "  free    = "
    std::wstring total;        // "  total   = "
    std::wstring megabytes;    // " MB"
    std::wstring pageFile;     // "Page file  : "
    std::wstring version;      // "Version : "
};

// The summary's lines, between the two rulers.
std::vector<std::wstring> SummaryLines(const SystemSummary& summary, const SummaryLabels& labels);

// The lines of a text file as a list of lines sees them: CR LF, LF or CR ends a line, and
// a final terminator opens no further line.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF.
std::wstring JoinLines(const std::vector<std::wstring>& lines);

}  // namespace app
