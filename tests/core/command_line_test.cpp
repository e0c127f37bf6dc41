#include "core/app/command_line.h"

#include <gtest/gtest.h>

using app::FindSwitch;
using app::Switch;

TEST(CommandLine, FindsSwitchesAnywhereInTheLine) {
    EXPECT_EQ(FindSwitch(L"\"C:\\Prog\\TesslyMBCfg.exe\""), Switch::None);
    EXPECT_EQ(FindSwitch(L"TesslyMBCfg.exe -about"), Switch::About);
    EXPECT_EQ(FindSwitch(L"TesslyMBCfg.exe x-uninstallx"), Switch::Uninstall);
    EXPECT_EQ(FindSwitch(L"C:\\odd-tellfriend\\TesslyMBCfg.exe"), Switch::TellFriend);  // path counts too
}

TEST(CommandLine, FirstSwitchInTableOrderWins) {
    EXPECT_EQ(FindSwitch(L"cfg.exe -tellfriend -bugreport"), Switch::BugReport);
    EXPECT_EQ(FindSwitch(L"cfg.exe -uninstall -about"), Switch::About);
}

TEST(CommandLine, SwitchesAreCaseSensitive) {
    EXPECT_EQ(FindSwitch(L"cfg.exe -Bugreport"), Switch::None);
    EXPECT_EQ(FindSwitch(L"cfg.exe -ABOUT"), Switch::None);
}
