#include "controls/about_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/display_components.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"

namespace {

ui::FormPtr<TAbout> OpenAbout() {
    testing_support::InitializeKit();
    controls::RegisterDisplayComponents();
    return ui::CreateForm<TAbout>();
}

}  // namespace

// This test program carries the configurator's version resource, as the About box reads
// the file of the program that shows it.
TEST(AboutBox, ShowsTheVersionOfTheProgramFile) {
    auto about = OpenAbout();
    EXPECT_EQ(about->Caption(), L"[Tessly Dozidi Davazez] - About");
    EXPECT_EQ(about->ClientWidth(), 460);
    EXPECT_EQ(about->ClientHeight(), 187);
    EXPECT_EQ(about->LabelVer->Caption(), L"Version : 5.5.1.603");
    EXPECT_EQ(about->FV->GetBuildOnly(), L"603");
    EXPECT_EQ(about->FV->ProductName(), L"Tessly Dozidi Davazez");
}

TEST(AboutBox, TheMarqueeAndTheCreditsAreSetUpAsDescribed) {
    auto about = OpenAbout();
    const controls::TLCDScreen& marquee = *about->LCDScreen1;
    EXPECT_EQ(marquee.NoOfChars(), 41);
    EXPECT_EQ(marquee.NoOfLines(), 1);
    EXPECT_EQ(marquee.Model().CellWidth(), 10);
    EXPECT_EQ(marquee.Model().CellHeight(), 14);
    EXPECT_TRUE(marquee.ScrollActive());
    EXPECT_EQ(marquee.ScrollSpeed(), 250);
    EXPECT_EQ(marquee.Model().WorkLines()[0].rfind("Tessly Dozidi Davazez", 0), 0u);

    const controls::TTextFader& credits = *about->TextFader1;
    // Inside the panel's two bevels.
    EXPECT_EQ(credits.Left(), 2);
    EXPECT_EQ(credits.Top(), 2);
    EXPECT_EQ(credits.Width(), 456);
    EXPECT_EQ(credits.Height(), 42);
    EXPECT_TRUE(credits.Active());
    EXPECT_EQ(credits.FadeStep(), 10);
    EXPECT_EQ(credits.FadeDelay(), 10);
    EXPECT_EQ(credits.LineDelay(), 2000);
    EXPECT_EQ(credits.Model().Lines().size(), 8u);

    for (ui::Image* logo : {about->Image1, about->Image2}) {
        EXPECT_EQ(logo->GetPicture().Width(), 136);
        EXPECT_EQ(logo->GetPicture().Height(), 32);
    }
}

// On screen both displays move by their timers, and Close ends the box.
TEST(AboutBox, AnimatesWhileShownAndCloses) {
    auto about = OpenAbout();
    const std::string unscrolled = about->LCDScreen1->Model().WorkLines()[0];
    bool scrolled = false;
    bool faded = false;
    const int result = testing_support::ShowModalAndDo(*about, [&] {
        scrolled = testing_support::PumpUntil([&] { return about->LCDScreen1->Model().WorkLines()[0] != unscrolled; });
        faded = testing_support::PumpUntil([&] { return !about->TextFader1->Model().CurrentText().empty(); });
        about->Button1->Click();
    });
    EXPECT_TRUE(scrolled);
    EXPECT_TRUE(faded);
    EXPECT_EQ(result, ui::mrCancel);
}
