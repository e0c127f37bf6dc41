#include "core/wizards/wizard_buttons.h"

#include <gtest/gtest.h>

using namespace wizards;

namespace {

std::array<int, kButtonKindCount> DefaultWidths() {
    std::array<int, kButtonKindCount> widths{};
    for (int kind = 0; kind < kButtonKindCount; ++kind) widths[kind] = ButtonTable()[kind].width;
    return widths;
}

// A 500 x 290 wizard, as the configuration wizard's client area.
const Rect kClient{0, 0, 500, 290};

}  // namespace

TEST(WizardButtons, SetsKeepTheFormDescriptionsByteLayout) {
    EXPECT_EQ(kDefaultVisibleButtons.Bits(), 0b0101100);  // Back, Next, Cancel
    EXPECT_EQ(kLastPageButtons.Bits(), 0b0110100);        // Back, Finish, Cancel
    EXPECT_EQ(kAllButtons.Bits(), 0x7F);
    EXPECT_EQ(TKWizardButtonSet::FromBits(0xFF), kAllButtons);
    EXPECT_FALSE(kAllButtons.Without(bkBack).Has(bkBack));
    EXPECT_TRUE(kAllButtons.Without(bkBack).Has(bkNext));
}

TEST(WizardButtons, OnlyCancelClosesTheFormAndOnlyHelpEscapesThePageVeto) {
    for (int kind = 0; kind < kButtonKindCount; ++kind) {
        const ButtonTraits& traits = ButtonTable()[kind];
        EXPECT_EQ(traits.modalResult, kind == bkCancel ? kCancelModalResult : 0) << kind;
        EXPECT_EQ(traits.pageVeto, kind != bkHelp) << kind;
    }
    EXPECT_EQ(ButtonTable()[bkNext].move, PageMove::Next);
    EXPECT_EQ(ButtonTable()[bkBack].move, PageMove::Prior);
    EXPECT_EQ(ButtonTable()[bkStart].move, PageMove::First);
    EXPECT_EQ(ButtonTable()[bkLast].move, PageMove::Last);
    EXPECT_EQ(ButtonTable()[bkFinish].move, PageMove::None);
}

TEST(WizardButtons, UsualSetGivesBackNextSideBySideAndCancelTenPixelsRight) {
    auto b = PlaceButtons(kClient, kButtonBarHeight, kDefaultVisibleButtons, DefaultWidths());
    ASSERT_TRUE(b[bkCancel] && b[bkNext] && b[bkBack]);
    EXPECT_EQ(*b[bkCancel], (ButtonBounds{417, 258, 75, 25}));  // right edge 8 from 500, top 32 above 290
    EXPECT_EQ(*b[bkNext], (ButtonBounds{332, 258, 75, 25}));    // 10 left of Cancel
    EXPECT_EQ(*b[bkBack], (ButtonBounds{256, 258, 75, 25}));    // 1 left of Next
    EXPECT_FALSE(b[bkFinish] || b[bkHelp] || b[bkStart] || b[bkLast]);
}

TEST(WizardButtons, FinishStandsBesideCancelOnlyWhenNextShowsToo) {
    auto lastPage = PlaceButtons(kClient, kButtonBarHeight, kLastPageButtons, DefaultWidths());
    // Back, Finish, gap of 10, Cancel.
    EXPECT_EQ(lastPage[bkFinish]->x, 332);
    EXPECT_EQ(lastPage[bkBack]->x, 256);
    auto both = PlaceButtons(kClient, kButtonBarHeight, {bkBack, bkNext, bkFinish, bkCancel}, DefaultWidths());
    // Back, Next, gap of 10, Finish, Cancel.
    EXPECT_EQ(both[bkCancel]->x, 417);
    EXPECT_EQ(both[bkFinish]->x, 417 - 1 - 75);
    EXPECT_EQ(both[bkNext]->x, 341 - 10 - 75);
    EXPECT_EQ(both[bkBack]->x, 256 - 1 - 75);
}

TEST(WizardButtons, LeftGroupRunsHelpStartLastFromTheLeftEdge) {
    auto b = PlaceButtons({10, 20, 510, 310}, kButtonBarHeight, kAllButtons, DefaultWidths());
    EXPECT_EQ(*b[bkHelp], (ButtonBounds{18, 278, 75, 25}));
    EXPECT_EQ(*b[bkStart], (ButtonBounds{18 + 75 + 10, 278, 85, 25}));
    EXPECT_EQ(*b[bkLast], (ButtonBounds{103 + 85 + 1, 278, 85, 25}));
    auto noHelp = PlaceButtons({10, 20, 510, 310}, kButtonBarHeight, {bkStart, bkLast}, DefaultWidths());
    EXPECT_EQ(noHelp[bkStart]->x, 18);
    EXPECT_EQ(noHelp[bkLast]->x, 18 + 85 + 1);
}

TEST(WizardButtons, ChangedWidthMovesTheButtonsBeyondIt) {
    auto widths = DefaultWidths();
    widths[bkCancel] = 100;
    auto b = PlaceButtons(kClient, kButtonBarHeight, kDefaultVisibleButtons, widths);
    EXPECT_EQ(*b[bkCancel], (ButtonBounds{392, 258, 100, 25}));
    EXPECT_EQ(b[bkNext]->x, 392 - 10 - 75);
}

TEST(WizardButtons, PageWithoutButtonsGetsTheWholeWizard) {
    const int bar = ButtonBarHeightFor(TKWizardButtonSet{});
    EXPECT_EQ(bar, 0);
    EXPECT_EQ(PageArea(kClient, bar), kClient);
    auto b = PlaceButtons(kClient, bar, kDefaultVisibleButtons, DefaultWidths());
    for (int kind = 0; kind < kButtonKindCount; ++kind) {
        ASSERT_TRUE(b[kind]);
        EXPECT_EQ(*b[kind], (ButtonBounds{0, 0, ButtonTable()[kind].width, 0}));
    }
    // A bar of 25 pixels or less takes no room either; any button keeps the bar at 42.
    EXPECT_EQ(PageArea(kClient, 25), kClient);
    EXPECT_EQ(ButtonBarHeightFor(TKWizardButtonSet{bkHelp}), 42);
    EXPECT_EQ(ButtonBarHeightFor(std::nullopt), 42);
    EXPECT_EQ(PageArea(kClient, 42), (Rect{0, 0, 500, 248}));
}

TEST(WizardButtons, FirstPageLosesBackForGood) {
    ButtonUpdate first = UpdateButtons(ActivePageButtons{kAllButtons, kDefaultVisibleButtons, true});
    EXPECT_FALSE(first.enabled.Has(bkBack));
    ASSERT_TRUE(first.pageEnabledButtons);
    EXPECT_EQ(*first.pageEnabledButtons, kAllButtons.Without(bkBack));
    EXPECT_EQ(first.makeDefault, DefaultButton::Next);
    // Coming back to it later, the page's own set already lacks Back: nothing more to write.
    ButtonUpdate again = UpdateButtons(ActivePageButtons{*first.pageEnabledButtons, kDefaultVisibleButtons, true});
    EXPECT_FALSE(again.pageEnabledButtons);
    ButtonUpdate later = UpdateButtons(ActivePageButtons{kAllButtons, kDefaultVisibleButtons, false});
    EXPECT_TRUE(later.enabled.Has(bkBack));
    EXPECT_FALSE(later.pageEnabledButtons);
}

TEST(WizardButtons, DefaultButtonIsNextElseFinishWhenShownAndEnabled) {
    EXPECT_EQ(
        UpdateButtons(ActivePageButtons{kAllButtons, kLastPageButtons, false}).makeDefault, DefaultButton::Finish
    );
    // Next shown but disabled (a source page without a file): Finish cannot stand in while hidden.
    EXPECT_EQ(
        UpdateButtons(ActivePageButtons{{bkBack, bkCancel, bkHelp}, kDefaultVisibleButtons, false}).makeDefault,
        DefaultButton::Unchanged
    );
    // Without an active page only Cancel is usable.
    ButtonUpdate none = UpdateButtons(std::nullopt);
    EXPECT_EQ(none.enabled, (TKWizardButtonSet{bkCancel}));
    EXPECT_EQ(none.visible, kDefaultVisibleButtons);
    EXPECT_EQ(none.makeDefault, DefaultButton::Unchanged);
}
