#include "core/settings/autostart.h"

#include <gtest/gtest.h>

using settings::AutostartCommand;

TEST(Autostart, QuotedServiceProgramBesideTheConfigurator) {
    EXPECT_EQ(
        AutostartCommand(L"C:\\Program Files\\Tessly\\TesslyMBCfg.exe"),
        L"\"C:\\Program Files\\Tessly\\TesslyMBsrv.exe\""
    );
    EXPECT_EQ(AutostartCommand(L"C:\\TesslyMBCfg.exe"), L"\"C:\\TesslyMBsrv.exe\"");
    // A path without a backslash is kept whole, as the command always was.
    EXPECT_EQ(AutostartCommand(L"TesslyMBCfg.exe"), L"\"TesslyMBCfg.exeTesslyMBsrv.exe\"");
}

TEST(Autostart, FoldersOfAnyLengthAndScriptAreKeptExactly) {
    const std::wstring folder = L"C:\\Tessly Тест Ω\\" + std::wstring(300, L'x') + L"\\";
    EXPECT_EQ(AutostartCommand(folder + L"TesslyMBCfg.exe"), L"\"" + folder + L"TesslyMBsrv.exe\"");
}
