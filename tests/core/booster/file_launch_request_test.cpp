#include "core/booster/file_launch_request.h"

#include <gtest/gtest.h>

using namespace booster;

namespace {

// The command line as the system hands it to the service.
ServiceArguments Parse(const std::wstring& arguments) {
    return ParseServiceCommandLine(L"\"C:\\Program Files\\MB\\TesslyMBsrv.exe\" " + arguments);
}

}  // namespace

TEST(ServiceArguments, NoArgumentsIsAPlainLaunch) {
    EXPECT_EQ(Parse(L"").kind, ServiceArguments::kPlain);
    EXPECT_EQ(Parse(L"  \t").kind, ServiceArguments::kPlain);
    EXPECT_EQ(ParseServiceCommandLine(L"C:\\MB\\TesslyMBsrv.exe").kind, ServiceArguments::kPlain);
    EXPECT_EQ(ParseServiceCommandLine(L"").kind, ServiceArguments::kPlain);
}

TEST(ServiceArguments, ALogonArgumentAloneIsAStartAtLogon) {
    EXPECT_EQ(Parse(L"-logon").kind, ServiceArguments::kLogon);
    EXPECT_EQ(Parse(L"\"-logon\" ").kind, ServiceArguments::kLogon);
    EXPECT_EQ(Parse(L"-logon=policy").kind, ServiceArguments::kLogonByPolicy);
    EXPECT_EQ(ParseServiceCommandLine(L"C:\\MB\\TesslyMBsrv.exe\t-logon=policy").kind, ServiceArguments::kLogonByPolicy);
    // The Run key's values as the configurator and the installer write them.
    EXPECT_EQ(ParseServiceCommandLine(L"\"C:\\Program Files\\MB\\TesslyMBsrv.exe\" -logon").kind, ServiceArguments::kLogon);
    EXPECT_EQ(
        ParseServiceCommandLine(L"\"C:\\Program Files\\MB\\TesslyMBsrv.exe\" -logon=policy").kind,
        ServiceArguments::kLogonByPolicy
    );
    for (const std::wstring other : {L"-logon x", L"-logon -logon", L"-LOGON", L"-logon=", L"-logon=user", L"logon", L"/logon"})
        EXPECT_EQ(Parse(other).kind, ServiceArguments::kInvalid) << std::string(other.begin(), other.end());
}

TEST(ServiceArguments, ThreeArgumentsDescribeALaunchWithAFile) {
    auto shortcut = Parse(L"\"16\" \"s\" \"C:\\Apps\\edit.exe\"");
    ASSERT_EQ(shortcut.kind, ServiceArguments::kFile);
    EXPECT_EQ(shortcut.request.megabytes, 16);
    EXPECT_EQ(shortcut.request.after, AfterLaunch::KeepPreviousState);
    EXPECT_EQ(shortcut.request.path, L"C:\\Apps\\edit.exe");
    EXPECT_EQ(shortcut.request.folder, L"");
    EXPECT_EQ(shortcut.request.show, LaunchShow::Normal);
    EXPECT_EQ(shortcut.request.parameters, L"");

    auto shellVerb = Parse(L"\"-1\" \"r\" \"\\\\server\\share\\My File.doc\"");
    ASSERT_EQ(shellVerb.kind, ServiceArguments::kFile);
    EXPECT_EQ(shellVerb.request.megabytes, kAutomaticAmount);
    EXPECT_EQ(shellVerb.request.after, AfterLaunch::KeepRunning);
    EXPECT_EQ(shellVerb.request.path, L"\\\\server\\share\\My File.doc");

    auto unload = ParseServiceCommandLine(L"TesslyMBsrv.exe 0 E D:/tools/run.cmd");
    ASSERT_EQ(unload.kind, ServiceArguments::kFile);
    EXPECT_EQ(unload.request.megabytes, 0);
    EXPECT_EQ(unload.request.after, AfterLaunch::Unload);
    EXPECT_EQ(unload.request.path, L"D:/tools/run.cmd");
}

TEST(ServiceArguments, TheFileGetsTheRestOfTheLineExactlyAsWritten) {
    auto args = Parse(L"\"8\" \"s\" \"C:\\a.exe\"  -x \"two words\" \"say \\\"hi\\\"\" \"\" ");
    ASSERT_EQ(args.kind, ServiceArguments::kFile);
    EXPECT_EQ(args.request.parameters, L"-x \"two words\" \"say \\\"hi\\\"\" \"\" ");

    // Quotation marks inside an argument stay where the source shortcut put them.
    auto installer = Parse(L"\"8\" \"s\" \"C:\\setup.exe\" TARGETDIR=\"C:\\a b\" /q");
    ASSERT_EQ(installer.kind, ServiceArguments::kFile);
    EXPECT_EQ(installer.request.parameters, L"TARGETDIR=\"C:\\a b\" /q");
}

TEST(ServiceArguments, TheFilesFolderAndWindowMayFollowItsPath) {
    auto both = Parse(L"\"8\" \"s\" \"C:\\a.exe\" \"/startin:D:\\My Notes\\\\\" \"/show:1\" -n x");
    ASSERT_EQ(both.kind, ServiceArguments::kFile);
    EXPECT_EQ(both.request.path, L"C:\\a.exe");
    EXPECT_EQ(both.request.folder, L"D:\\My Notes\\");
    EXPECT_EQ(both.request.show, LaunchShow::Minimized);
    EXPECT_EQ(both.request.parameters, L"-n x");

    auto folderOnly = Parse(L"\"8\" \"s\" \"C:\\a.exe\" \"/startin:\\\\srv\\share\"");
    ASSERT_EQ(folderOnly.kind, ServiceArguments::kFile);
    EXPECT_EQ(folderOnly.request.folder, L"\\\\srv\\share");
    EXPECT_EQ(folderOnly.request.show, LaunchShow::Normal);
    EXPECT_EQ(folderOnly.request.parameters, L"");

    auto showOnly = Parse(L"\"8\" \"s\" \"C:\\a.exe\" /show:2 /show:1");
    ASSERT_EQ(showOnly.kind, ServiceArguments::kFile);
    EXPECT_EQ(showOnly.request.folder, L"");
    EXPECT_EQ(showOnly.request.show, LaunchShow::Maximized);
    EXPECT_EQ(showOnly.request.parameters, L"/show:1");  // only its own place counts

    // Out of order, the folder is the file's argument.
    auto late = Parse(L"\"8\" \"s\" \"C:\\a.exe\" /show:0 \"/startin:C:\\x\"");
    ASSERT_EQ(late.kind, ServiceArguments::kFile);
    EXPECT_EQ(late.request.folder, L"");
    EXPECT_EQ(late.request.parameters, L"\"/startin:C:\\x\"");

    for (const LaunchShow show : {LaunchShow::Normal, LaunchShow::Minimized, LaunchShow::Maximized}) {
        auto written = Parse(L"1 s C:\\a.exe " + StartInArgument(L"C:\\b c\\") + L" " + ShowArgument(show));
        ASSERT_EQ(written.kind, ServiceArguments::kFile);
        EXPECT_EQ(written.request.folder, L"C:\\b c\\");
        EXPECT_EQ(written.request.show, show);
        EXPECT_EQ(written.request.parameters, L"");
    }
}

TEST(ServiceArguments, AnythingMalformedIsRejected) {
    const std::vector<std::wstring> bad = {
        L"16",
        L"16 s",
        L"x s C:\\a.exe",
        L"-2 s C:\\a.exe",
        L"+5 s C:\\a.exe",
        L"\"\" s C:\\a.exe",
        L"99999999999999999999 s C:\\a.exe",
        L"16777217 s C:\\a.exe",
        L"16 q C:\\a.exe",
        L"16 sr C:\\a.exe",
        L"16 \"\" C:\\a.exe",
        L"16 s \"\"",
        L"16 s a.exe",
        L"16 s ..\\a.exe",
        L"16 s C:a.exe",
        L"16 s \\\\\\a.exe",
        L"16 s \"C:\\a.exe\nC:\\b.exe\"",
        L"16 s C:\\a.exe /startin:",
        L"16 s C:\\a.exe /startin:relative",
        L"16 s C:\\a.exe \"/startin:C:\\a\tb\"",
        L"16 s C:\\a.exe /show:",
        L"16 s C:\\a.exe /show:3",
        L"16 s C:\\a.exe /show:12",
        L"16 s C:\\a.exe /startin:C:\\ /show:x",
    };
    for (const auto& args : bad)
        EXPECT_EQ(Parse(args).kind, ServiceArguments::kInvalid) << std::string(args.begin(), args.end());
}

TEST(SplitArguments, FollowsTheSystemsRules) {
    EXPECT_EQ(
        SplitArguments(L"  a \"b c\"\td\\\"e \"f\\\\\" g\\h \"\""),
        (std::vector<std::wstring>{L"a", L"b c", L"d\"e", L"f\\", L"g\\h", L""})
    );
    EXPECT_TRUE(SplitArguments(L" \t ").empty());
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
        ServiceArguments parsed = Parse(std::wstring(L"1 ") + ModeLetter(after) + L" C:\\a.exe");
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
    EXPECT_TRUE(IsUsablePath(L"C:\\a b"));
    EXPECT_FALSE(IsUsablePath(L"C:\\a\tb"));
    EXPECT_FALSE(IsUsablePath(L"a"));
}
