#include "core/booster/health_line.h"

#include <gtest/gtest.h>

using namespace booster;

namespace {

const std::vector<std::wstring> kTexts = {
    L"Stopped.", L"Full screen.", L"Paused for %s.", L"Key %s taken.", L"%s denied.", L"Shift+", L"Ctrl+", L"Alt+"};

std::wstring KeyName(unsigned key) { return L"F" + std::to_wstring(key - 0x6F); }

std::wstring Line(bool running, const ServiceHealth& health) {
    return HealthLineText(ChooseHealthMessage(running, health), health, kTexts, KeyName);
}

}  // namespace

TEST(HealthLine, TheMostPressingReasonIsShown) {
    ServiceHealth all{QuietReason::FullScreen, L"", 0xC046, 5};
    EXPECT_EQ(Line(false, all), L"Stopped.");
    EXPECT_EQ(Line(true, all), L"Full screen.");
    EXPECT_EQ(Line(true, {QuietReason::ListedProgram, L"game.exe", 0xC046, 5}), L"Paused for game.exe.");
    EXPECT_EQ(Line(true, {QuietReason::None, L"", 0xC046, 5}), L"Key Ctrl+Alt+F taken.");
    EXPECT_EQ(Line(true, {QuietReason::None, L"", 0xE070, 5}), L"Key Shift+Ctrl+Alt+F1 taken.");
    EXPECT_EQ(Line(true, {QuietReason::None, L"", 0, 5}), L"5 denied.");
    EXPECT_EQ(Line(true, {}), L"");
    EXPECT_EQ(ChooseHealthMessage(true, {}), HealthMessage::None);
}

TEST(HealthLine, MissingTextsGiveEmptyLinesNotCrashes) {
    ServiceHealth health{QuietReason::None, L"", 0xC046, 0};
    EXPECT_EQ(HealthLineText(HealthMessage::HotKeyTaken, health, {}, KeyName), L"");
    EXPECT_EQ(HealthLineText(HealthMessage::AccessDenied, health, {L"a", L"b"}, KeyName), L"");
}

TEST(HealthLine, OnlyTheFirstPlaceIsFilledAndNothingElseIsInterpreted) {
    EXPECT_EQ(FillPlace(L"%s and %s", L"x"), L"x and %s");
    EXPECT_EQ(FillPlace(L"100%% %d %n %", L"x"), L"100% %d %n %");
    EXPECT_EQ(FillPlace(L"no place", L"x"), L"no place");
    EXPECT_EQ(FillPlace(L"%s", L"%s"), L"%s");  // the argument is not read again
}

TEST(HealthLine, TheTooltipKeepsTheLineWithinItsLength) {
    EXPECT_EQ(AppendTipLine(L"Memory 40%", L"", 127), L"Memory 40%");
    EXPECT_EQ(AppendTipLine(L"Memory 40%", L"Paused.", 127), L"Memory 40%\nPaused.");
    EXPECT_EQ(AppendTipLine(L"Memory 40%", L"Paused.", 12), L"Memo\nPaused.");
    EXPECT_EQ(AppendTipLine(L"Memory 40%", L"Paused.", 5), L"Pause");
    EXPECT_EQ(AppendTipLine(L"", L"Paused.", 127), L"Paused.");
    std::wstring tip = AppendTipLine(std::wstring(300, L'm'), std::wstring(40, L'p'), 127);
    EXPECT_EQ(tip.size(), 127u);
    EXPECT_EQ(tip.substr(tip.size() - 41), L"\n" + std::wstring(40, L'p'));
}
