#include "core/app/problem_report.h"

#include <gtest/gtest.h>

using namespace app;

TEST(ProblemReport, MegabytesRoundAtHalfAMillionBytesAndHoldBigMachines) {
    EXPECT_EQ(ReportMegabytes(267386880), 255);
    EXPECT_EQ(ReportMegabytes(0), 0);
    EXPECT_EQ(ReportMegabytes(1048576 - 500000), 1);
    EXPECT_EQ(ReportMegabytes(1048576 - 500001), 0);
    EXPECT_EQ(ReportMegabytes(17179869184ull), 16384);  // 16 GB, beyond 32-bit bytes
}

TEST(ProblemReport, TheSummaryListsProcessorSystemCacheMemoryPageFileAndVersionBetweenRulers) {
    SummaryLabels labels{
        L"Processor  : ",
        L"OS version : ",
        L"Cache settings : Home computer",
        L"Cache settings : File server",
        L"Memory     : ",
        L"  free    = ",
        L"  total   = ",
        L" MB",
        L"Page file  : ",
        L"Version : "};
    SystemSummary summary{
        L"GenuineIntel", L"Undetected\r\n  Build: 1\r\n  Extra: ", false, 267386880, 1073741824, 5ull << 30, 6ull << 30,
        L"1.0.0.7"};
    const std::wstring body = JoinLines(SummaryLines(summary, labels));
    EXPECT_EQ(
        body,
        L"-----------|  System Information  |-----------------------------\r\n"
        L"Processor  : GenuineIntel\r\n\r\n"
        L"OS version : Undetected\r\n  Build: 1\r\n  Extra: \r\n\r\n"
        L"Cache settings : Home computer\r\n\r\n"
        L"Memory     : \r\n  free    = 255 MB\r\n  total   = 1024 MB\r\n\r\n"
        L"Page file  : \r\n  free    = 5120 MB\r\n  total   = 6144 MB\r\n\r\n"
        L"Version : 1.0.0.7\r\n\r\n"
        L"----------------------------------------------------------------\r\n"
    );
    summary.fileServerCache = true;
    EXPECT_EQ(SummaryLines(summary, labels)[5], L"Cache settings : File server");
    EXPECT_EQ(SummaryLines(summary, labels).front().size(), 64u);
    EXPECT_EQ(SummaryLines(summary, labels).back().size(), 64u);
}

TEST(ProblemReport, FileLinesSplitAtEveryKindOfLineEnd) {
    EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(JoinLines({L"a", L""}), L"a\r\n\r\n");
}
