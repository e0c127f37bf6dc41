#include "core/booster/file_launch_request.h"

#include <gtest/gtest.h>

using namespace booster;

TEST(ServiceArguments, NoArgumentsIsAPlainLaunch) {
    EXPECT_EQ(ParseServiceArguments({}).kind, ServiceArguments::kPlain);
}

TEST(ServiceArguments, ThreeArgumentsDescribeALaunchWithAFile) {
    auto shortcut = ParseServiceArguments({L"16", L"s", L"C:\\Apps\\edit.exe"});
    ASSERT_EQ(shortcut.kind, ServiceArguments::kFile);
    EXPECT_EQ(shortcut.request.megabytes, 16);
    EXPECT_EQ(shortcut.request.after, AfterLaunch::KeepPreviousState);
    EXPECT_EQ(shortcut.request.path, L"C:\\Apps\\edit.exe");
    EXPECT_EQ(shortcut.request.parameters, L"");

    auto shellVerb = ParseServiceArguments({L"-1", L"r", L"\\\\server\\share\\My File.doc"});
    ASSERT_EQ(shellVerb.kind, ServiceArguments::kFile);
    EXPECT_EQ(shellVerb.request.megabytes, kAutomaticAmount);
    EXPECT_EQ(shellVerb.request.after, AfterLaunch::KeepRunning);

    auto unload = ParseServiceArguments({L"0", L"E", L"D:/tools/run.cmd"});
    ASSERT_EQ(unload.kind, ServiceArguments::kFile);
    EXPECT_EQ(unload.request.megabytes, 0);
    EXPECT_EQ(unload.request.after, AfterLaunch::Unload);
}

TEST(ServiceArguments, ArgumentsAfterTheFileGoToTheFileRequoted) {
    auto args = ParseServiceArguments({L"8", L"s", L"C:\\a.exe", L"-x", L"two words", L"say \"hi\"", L""});
    ASSERT_EQ(args.kind, ServiceArguments::kFile);
    EXPECT_EQ(args.request.parameters, L"-x \"two words\" \"say \\\"hi\\\"\" \"\"");
}

TEST(ServiceArguments, AnythingMalformedIsRejected) {
    const std::vector<std::vector<std::wstring>> bad = {
        {L"16"},
        {L"16", L"s"},
        {L"x", L"s", L"C:\\a.exe"},
        {L"-2", L"s", L"C:\\a.exe"},
        {L"+5", L"s", L"C:\\a.exe"},
        {L"", L"s", L"C:\\a.exe"},
        {L"99999999999999999999", L"s", L"C:\\a.exe"},
        {L"16777217", L"s", L"C:\\a.exe"},
        {L"16", L"q", L"C:\\a.exe"},
        {L"16", L"sr", L"C:\\a.exe"},
        {L"16", L"", L"C:\\a.exe"},
        {L"16", L"s", L""},
        {L"16", L"s", L"a.exe"},
        {L"16", L"s", L"..\\a.exe"},
        {L"16", L"s", L"C:a.exe"},
        {L"16", L"s", L"\\\\\\a.exe"},
        {L"16", L"s", L"C:\\a.exe\nC:\\b.exe"},
    };
    for (const auto& args : bad) {
        std::wstring shown;
        for (const auto& a : args) shown += L"[" + a + L"]";
        EXPECT_EQ(ParseServiceArguments(args).kind, ServiceArguments::kInvalid)
            << std::string(shown.begin(), shown.end());
    }
}

TEST(QuoteArgument, RoundTripsTheSystemsSplittingRules) {
    EXPECT_EQ(QuoteArgument(L"plain"), L"plain");
    EXPECT_EQ(QuoteArgument(L""), L"\"\"");
    EXPECT_EQ(QuoteArgument(L"C:\\Program Files\\"), L"\"C:\\Program Files\\\\\"");
    EXPECT_EQ(QuoteArgument(L"a\\\"b"), L"\"a\\\\\\\"b\"");
    EXPECT_EQ(QuoteArgument(L"C:\\dir\\file"), L"C:\\dir\\file");
}

TEST(QuoteArgument, AlwaysQuotedAndModeLettersAreWhatTheParserReads) {
    EXPECT_EQ(AlwaysQuoted(L"16"), L"\"16\"");
    EXPECT_EQ(AlwaysQuoted(L"C:\\dir\\"), L"\"C:\\dir\\\\\"");
    EXPECT_EQ(AlwaysQuoted(L"say \"hi\""), L"\"say \\\"hi\\\"\"");
    for (AfterLaunch after : {AfterLaunch::KeepPreviousState, AfterLaunch::KeepRunning, AfterLaunch::Unload}) {
        ServiceArguments parsed = ParseServiceArguments({L"1", ModeLetter(after), L"C:\\a.exe"});
        ASSERT_EQ(parsed.kind, ServiceArguments::kFile);
        EXPECT_EQ(parsed.request.after, after);
    }
}

TEST(FullPath, NamesItsDriveOrServer) {
    EXPECT_TRUE(IsFullPath(L"C:\\a"));
    EXPECT_TRUE(IsFullPath(L"\\\\server\\share"));
    EXPECT_FALSE(IsFullPath(L"relative\\a"));
    EXPECT_FALSE(IsFullPath(L"\\a"));
    EXPECT_FALSE(IsFullPath(L"C:a"));
}
