#include "core/settings/autostart.h"

#include <gtest/gtest.h>

using settings::AutostartCommand;

TEST(Autostart, ServiceProgramBesideTheConfigurator) {
    EXPECT_EQ(
        AutostartCommand(L"C:\\Program Files\\Tessly\\TesslyMBCfg.exe"), L"C:\\Program Files\\Tessly\\TesslyMBsrv.exe"
    );
    EXPECT_EQ(AutostartCommand(L"C:\\TesslyMBCfg.exe"), L"C:\\TesslyMBsrv.exe");
    // A path without a backslash is kept whole, as the command always was.
    EXPECT_EQ(AutostartCommand(L"TesslyMBCfg.exe"), L"TesslyMBCfg.exeTesslyMBsrv.exe");
}
