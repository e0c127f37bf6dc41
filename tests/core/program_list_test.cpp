#include "core/settings/program_list.h"

#include <gtest/gtest.h>

using settings::JoinProgramList;
using settings::ListsProgram;
using settings::ParseProgramList;

TEST(ProgramList, ParsesFileNamesDroppingBlanksFoldersAndRepeats) {
    EXPECT_EQ(ParseProgramList(L" game.exe ;;C:\\Slides\\show.exe; GAME.EXE ;\"x y.exe\""),
              (std::vector<std::wstring>{L"game.exe", L"show.exe", L"x y.exe"}));
    EXPECT_TRUE(ParseProgramList(L"").empty());
    EXPECT_TRUE(ParseProgramList(L" ; ;").empty());
}

TEST(ProgramList, RoundTripsThroughItsStoredForm) {
    const std::vector<std::wstring> names{L"game.exe", L"Präsentation.exe", L"видео.exe"};
    EXPECT_EQ(JoinProgramList(names), L"game.exe;Präsentation.exe;видео.exe");
    EXPECT_EQ(ParseProgramList(JoinProgramList(names)), names);
}

TEST(ProgramList, MatchesFullPathsAndNamesWithoutRegardToCase) {
    const auto names = ParseProgramList(L"game.exe;show.exe");
    EXPECT_TRUE(ListsProgram(names, L"C:\\Program Files\\Game\\GAME.EXE"));
    EXPECT_TRUE(ListsProgram(names, L"Show.exe"));
    EXPECT_FALSE(ListsProgram(names, L"C:\\game.exe\\other.exe"));
    EXPECT_FALSE(ListsProgram(names, L"game.ex"));
}
