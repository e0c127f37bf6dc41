#include "core/booster/quiet_rules.h"

#include <gtest/gtest.h>

using namespace booster;

TEST(QuietRules, AProgramShowsFullScreenOnlyWhenItCoversItsMonitorWithoutBeingTheDesktop) {
    EXPECT_TRUE(ShowsFullScreen({L"GameWindow", true, false}));
    EXPECT_FALSE(ShowsFullScreen({L"GameWindow", false, false}));
    // A maximised window with a title bar covers the monitor only where there is no taskbar.
    EXPECT_FALSE(ShowsFullScreen({L"Notepad", true, true}));
    for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd"})
        EXPECT_FALSE(ShowsFullScreen({shell, true, false})) << shell;
    EXPECT_TRUE(ShowsFullScreen({L"progman", true, false}));  // class names are exact
}

TEST(QuietRules, FullScreenComesFirstAndCountsOnlyWhenWanted) {
    EXPECT_EQ(DecideQuiet(true, true, L""), (QuietState{QuietReason::FullScreen, L""}));
    EXPECT_EQ(DecideQuiet(true, true, L"game.exe"), (QuietState{QuietReason::FullScreen, L""}));
    EXPECT_EQ(DecideQuiet(false, true, L""), QuietState{});
    EXPECT_EQ(DecideQuiet(false, true, L"game.exe"), (QuietState{QuietReason::ListedProgram, L"game.exe"}));
    EXPECT_EQ(DecideQuiet(true, false, L"slides.exe"), (QuietState{QuietReason::ListedProgram, L"slides.exe"}));
    EXPECT_EQ(DecideQuiet(true, false, L""), QuietState{});
}

TEST(QuietRules, SystemProcessesAndExcludedProgramsAreNeverTrimmed) {
    TrimRules manual{{L"game.exe", L"Editor.EXE"}, 42, false};
    for (const wchar_t* name : {L"dwm.exe", L"CSRSS.EXE", L"winlogon.exe", L"smss.exe", L"wininit.exe",
                                L"services.exe", L"lsass.exe", L"System"})
        EXPECT_FALSE(MayTrim(manual, name, 7)) << name;
    EXPECT_FALSE(MayTrim(manual, L"GAME.exe", 7));
    EXPECT_FALSE(MayTrim(manual, L"editor.exe", 7));
    EXPECT_TRUE(MayTrim(manual, L"browser.exe", 7));
    EXPECT_TRUE(MayTrim(manual, L"svchost.exe", 7));
    // A quick boost the user asked for may trim the program in front.
    EXPECT_TRUE(MayTrim(manual, L"browser.exe", 42));
}

TEST(QuietRules, AnAutomaticPassSparesTheProgramInFront) {
    TrimRules automatic{{}, 42, true};
    EXPECT_FALSE(MayTrim(automatic, L"browser.exe", 42));
    EXPECT_TRUE(MayTrim(automatic, L"browser.exe", 43));
    automatic.foregroundId = 0;  // nothing in front
    EXPECT_TRUE(MayTrim(automatic, L"browser.exe", 0));
}
