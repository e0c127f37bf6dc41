#include "core/displays/fader_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace displays;

namespace {

// A fader over `lines`, switched on, with the About box's timing unless told otherwise.
FaderModel Running(std::vector<std::wstring> lines, int step = 10) {
    FaderModel fader;
    fader.set_Lines(std::move(lines));
    fader.set_FadeDelay(10);
    fader.set_FadeStep(step);
    fader.set_Active(true);
    return fader;
}

// Ticks until the current line has fully faded in; returns the levels seen on the way.
std::vector<int> FadeIn(FaderModel& fader) {
    std::vector<int> levels;
    do {
        fader.FadeTick();
        levels.push_back(fader.FadeLevel());
    } while (fader.FadeLevel() < FaderModel::kFullyShown && levels.size() < 200);
    return levels;
}

}  // namespace

TEST(FaderModel, StartsStoppedWithItsDefaults) {
    FaderModel fader;
    EXPECT_EQ(fader.Lines(), (std::vector<std::wstring>{L"TextFader"}));
    EXPECT_FALSE(fader.Active());
    EXPECT_EQ(fader.LineDelay(), 2000);
    EXPECT_EQ(fader.FadeDelay(), 30);
    EXPECT_EQ(fader.FadeStep(), 4);
    EXPECT_EQ(fader.RepeatCount(), 0);
    EXPECT_EQ(fader.FadeLevel(), 100);
    EXPECT_EQ(fader.LineIndex(), -1);
    EXPECT_FALSE(fader.TimerEnabled());
    fader.set_FadeStep(0);
    EXPECT_EQ(fader.FadeStep(), 1);
    fader.set_FadeStep(250);
    EXPECT_EQ(fader.FadeStep(), 100);
    fader.set_RepeatCount(-3);
    EXPECT_EQ(fader.RepeatCount(), 0);
}

TEST(FaderModel, ALineFadesInStepByStepThenStaysForTheLineDelay) {
    FaderModel fader = Running({L"one", L"two"});
    EXPECT_TRUE(fader.TimerEnabled());
    EXPECT_EQ(fader.TimerInterval(), 5u);
    EXPECT_EQ(fader.FadeLevel(), 100);

    EXPECT_FALSE(fader.FadeTick());
    EXPECT_EQ(fader.CurrentText(), L"one");
    EXPECT_EQ(fader.PreviousText(), L"");
    EXPECT_EQ(fader.FadeLevel(), 10);
    EXPECT_EQ(fader.TimerInterval(), 10u);
    int completions = 0;
    std::vector<int> levels{fader.FadeLevel()};
    while (fader.FadeLevel() < 100) {
        completions += fader.FadeTick();
        levels.push_back(fader.FadeLevel());
    }
    EXPECT_EQ(levels, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(fader.TimerInterval(), 2000u);

    // The next tick starts the next line over the one shown.
    EXPECT_FALSE(fader.FadeTick());
    EXPECT_EQ(fader.CurrentText(), L"two");
    EXPECT_EQ(fader.PreviousText(), L"one");
    EXPECT_EQ(fader.LineIndex(), 1);
}

TEST(FaderModel, TheLastStepIsCappedAtFullyShown) {
    FaderModel fader = Running({L"one"}, 30);
    EXPECT_EQ(FadeIn(fader), (std::vector<int>{30, 60, 90, 100}));
}

TEST(FaderModel, RepeatCountEndsTheCycleOnTheLastLine) {
    FaderModel fader = Running({L"1", L"2", L"3"});
    fader.set_RepeatCount(2);
    std::wstring shown;
    int completions = 0;
    for (int tick = 0; tick < 200 && fader.Active(); ++tick) {
        const bool completed = fader.FadeTick();
        completions += completed;
        if (completed) shown += fader.CurrentText();
    }
    EXPECT_EQ(shown, L"123123");
    EXPECT_EQ(completions, 6);
    EXPECT_FALSE(fader.Active());
    EXPECT_FALSE(fader.TimerEnabled());
    EXPECT_EQ(fader.CurrentText(), L"3");
    EXPECT_EQ(fader.FadeLevel(), 100);

    // Switched on again, it counts its passes afresh from where it stopped.
    fader.set_Active(true);
    FadeIn(fader);
    EXPECT_EQ(fader.CurrentText(), L"1");
}

TEST(FaderModel, EndlessByDefaultAndCalmWithoutLines) {
    FaderModel fader = Running({L"a", L"b"});
    std::wstring shown;
    for (int line = 0; line < 7; ++line) {
        FadeIn(fader);
        shown += fader.CurrentText();
    }
    EXPECT_EQ(shown, L"abababa");
    EXPECT_TRUE(fader.Active());

    FaderModel empty = Running({});
    for (int tick = 0; tick < 30; ++tick) empty.FadeTick();
    EXPECT_TRUE(empty.Active());
    EXPECT_EQ(empty.LineIndex(), -1);
    EXPECT_EQ(empty.CurrentText(), L"");
}

TEST(FaderModel, DelaysApplyAtOnceInTheirPhase) {
    FaderModel fader = Running({L"one"});
    fader.FadeTick();
    fader.set_LineDelay(500);  // fading: the line delay waits
    EXPECT_EQ(fader.TimerInterval(), 10u);
    fader.set_FadeDelay(20);
    EXPECT_EQ(fader.TimerInterval(), 20u);
    FadeIn(fader);
    EXPECT_EQ(fader.TimerInterval(), 500u);
    fader.set_FadeDelay(40);  // fully shown: the fade delay waits
    EXPECT_EQ(fader.TimerInterval(), 500u);
    fader.set_LineDelay(700);
    EXPECT_EQ(fader.TimerInterval(), 700u);

    fader.set_Active(false);
    EXPECT_FALSE(fader.TimerEnabled());
    EXPECT_EQ(fader.FadeLevel(), 100);
}

TEST(FaderModel, LoadingKeepsTheTimerOffUntilTheFormIsLoaded) {
    FaderModel fader;
    fader.set_Active(true, true);
    EXPECT_TRUE(fader.Active());
    EXPECT_FALSE(fader.TimerEnabled());
    fader.Loaded();
    EXPECT_TRUE(fader.TimerEnabled());
    EXPECT_EQ(fader.TimerInterval(), 5u);

    FaderModel idle;
    idle.Loaded();
    EXPECT_FALSE(idle.TimerEnabled());
}

TEST(FaderModel, FewerLinesClampTheLineIndex) {
    FaderModel fader = Running({L"1", L"2", L"3"});
    FadeIn(fader);
    FadeIn(fader);
    FadeIn(fader);
    EXPECT_EQ(fader.LineIndex(), 2);
    fader.set_Lines({L"x", L"y"});
    EXPECT_EQ(fader.LineIndex(), 1);
    fader.set_Lines({});
    EXPECT_EQ(fader.LineIndex(), -1);
}

TEST(FaderModel, LinesAreDrawnWithTheirEscapesDecoded) {
    EXPECT_EQ(DecodeEscapes(L"first\\nsecond"), L"first\r\nsecond");
    EXPECT_EQ(DecodeEscapes(L"a\\tb"), L"a\tb");
    EXPECT_EQ(DecodeEscapes(L"back\\\\slash"), L"back\\slash");
    EXPECT_EQ(DecodeEscapes(L"gone\\x!"), L"gone!");
    EXPECT_EQ(DecodeEscapes(L"trailing\\"), L"trailing");
    EXPECT_EQ(DecodeEscapes(L""), L"");

    FaderModel fader = Running({L"Producers\\nTessly"});
    FadeIn(fader);
    EXPECT_EQ(fader.CurrentText(), L"Producers\r\nTessly");
}

TEST(FaderModel, BlendMixesEachChannelByTheFadeLevel) {
    const chart::Color white = chart::Rgb(255, 255, 255);
    const chart::Color navy = chart::Rgb(0, 0, 128);
    EXPECT_EQ(Blend(white, navy, 100), white);
    EXPECT_EQ(Blend(white, navy, 0), navy);
    EXPECT_EQ(Blend(white, navy, 50), chart::Rgb(127, 127, 191));
    EXPECT_EQ(Blend(chart::Rgb(10, 200, 30), chart::Rgb(110, 0, 90), 30), chart::Rgb(80, 60, 72));

    std::uint8_t current[] = {255, 0, 100, 7};
    const std::uint8_t previous[] = {0, 255, 100, 93};
    BlendChannels(current, previous, 3, 40);
    EXPECT_EQ(current[0], 102);
    EXPECT_EQ(current[1], 153);
    EXPECT_EQ(current[2], 100);
    EXPECT_EQ(current[3], 7);  // beyond the count: untouched
}

TEST(FaderModel, TextIsCentredAndPicturesTileFromTheCorner) {
    EXPECT_EQ(CentredTextTop(42, 16), 13);
    EXPECT_EQ(CentredTextTop(42, 32), 5);
    EXPECT_EQ(CentredTextTop(16, 32), -8);

    EXPECT_EQ(TilePlaces(100, 40, 64, 32), (std::vector<TilePlace>{{0, 0}, {64, 0}, {0, 32}, {64, 32}}));
    EXPECT_EQ(TilePlaces(128, 10, 64, 32).size(), 3u);
    EXPECT_TRUE(TilePlaces(100, 40, 0, 32).empty());
}
