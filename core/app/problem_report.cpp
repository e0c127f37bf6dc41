#include "core/app/problem_report.h"

namespace app {
namespace {

constexpr const wchar_t* kSummaryRuler = L"-----------|  System Information  |-----------------------------";
constexpr const wchar_t* kClosingRuler = L"----------------------------------------------------------------";

}  // namespace

std::int64_t ReportMegabytes(std::uint64_t bytes) { return static_cast<std::int64_t>((bytes + 500000) >> 20); }

std::vector<std::wstring> SummaryLines(const SystemSummary& s, const SummaryLabels& l) {
    auto mb = [&](std::uint64_t bytes) { return std::to_wstring(ReportMegabytes(bytes)) + l.megabytes; };
    return {
        kSummaryRuler,
        l.processor + s.processorVendor,
        L"",
        l.osVersion + s.osDescription,
        L"",
        s.fileServerCache ? l.cacheServer : l.cacheHome,
        L"",
        l.memory,
        l.free + mb(s.availPhys),
        l.total + mb(s.totalPhys),
        L"",
        l.pageFile,
        l.free + mb(s.availPageFile),
        l.total + mb(s.totalPageFile),
        L"",
        l.version + s.fileVersion,
        L"",
        kClosingRuler,
    };
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}

}  // namespace app
