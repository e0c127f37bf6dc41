#include "core/settings/autostart.h"

#include <gtest/gtest.h>

#include "core/booster/file_launch_request.h"

using settings::AutostartCommand;

TEST(Autostart, QuotedServiceProgramBesideTheConfiguratorStartedAtLogon) {
    EXPECT_EQ(
        AutostartCommand(L"C:\\Program Files\\Tessly\\TesslyMBCfg.exe"),
        L"\"C:\\Program Files\\Tessly\\TesslyMBsrv.exe\" -logon"
    );
    EXPECT_EQ(AutostartCommand(L"C:\\TesslyMBCfg.exe"), L"\"C:\\TesslyMBsrv.exe\" -logon");
    // A path without a backslash is kept whole, as the command always was.
    EXPECT_EQ(AutostartCommand(L"TesslyMBCfg.exe"), L"\"TesslyMBCfg.exeTesslyMBsrv.exe\" -logon");
}

TEST(Autostart, FoldersOfAnyLengthAndScriptAreKeptExactly) {
    const std::wstring folder = L"C:\\Tessly Тест Ω\\" + std::wstring(300, L'x') + L"\\";
    EXPECT_EQ(AutostartCommand(folder + L"TesslyMBCfg.exe"), L"\"" + folder + L"TesslyMBsrv.exe\" -logon");
}

TEST(Autostart, TheServiceReadsTheCommandAsItsOwnStartAtLogon) {
    for (const std::wstring folder : {L"C:\\", L"C:\\Program Files\\Tessly\\", L"\\\\server\\share\\x y\\"}) {
        const auto parsed = booster::ParseServiceCommandLine(AutostartCommand(folder + L"TesslyMBCfg.exe"));
        EXPECT_EQ(parsed.kind, booster::ServiceArguments::kLogon) << std::string(folder.begin(), folder.end());
    }
}
