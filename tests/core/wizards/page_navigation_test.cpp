#include "core/wizards/page_navigation.h"

#include <gtest/gtest.h>

#include <vector>

using namespace wizards;

namespace {

// Pages given by their enabled flags; the vector must outlive the sequence.
PageSequence Pages(const std::vector<bool>& enabled) {
    return {static_cast<int>(enabled.size()), [&enabled](int i) { return static_cast<bool>(enabled[i]); }};
}

using S = ActivationStep;

}  // namespace

TEST(PageNavigation, SearchSkipsDisabledPagesOnlyWhenAsked) {
    const std::vector<bool> enabled{true, false, false, true};
    const PageSequence pages = Pages(enabled);
    EXPECT_EQ(FindNextPage(pages, 0, +1, true), 3);
    EXPECT_EQ(FindNextPage(pages, 0, +1, false), 1);
    EXPECT_EQ(FindNextPage(pages, 3, -1, true), 0);
    EXPECT_EQ(FindNextPage(pages, 3, +1, true), std::nullopt);
    EXPECT_EQ(FindNextPage(pages, -1, +1, true), 0);
    EXPECT_EQ(FindNextPage(pages, 4, -1, true), 3);
    const std::vector<bool> noneEnabled{false, false};
    EXPECT_EQ(FindNextPage(Pages(noneEnabled), -1, +1, true), std::nullopt);
    EXPECT_EQ(FindNextPage(Pages({}), -1, +1, true), std::nullopt);
}

TEST(PageNavigation, WizardWithDisabledFirstPageStartsOnTheSecond) {
    const std::vector<bool> enabled{false, true, true};
    const PageSequence pages = Pages(enabled);
    EXPECT_EQ(FindMoveTarget(pages, PageMove::First, std::nullopt), 1);
    // It is the first enabled page, so it is the one that loses Back.
    EXPECT_TRUE(IsFirstPage(pages, 1, true));
    EXPECT_FALSE(IsFirstPage(pages, 1, false));
    EXPECT_FALSE(IsFirstPage(pages, 2, true));
    // Back from the second page finds nothing: the disabled page is never reached.
    EXPECT_EQ(FindMoveTarget(pages, PageMove::Prior, 1), std::nullopt);
    const std::vector<bool> noneEnabled{false};
    EXPECT_TRUE(IsFirstPage(Pages(noneEnabled), 0, true));
}

TEST(PageNavigation, NextOnTheLastPageFindsNothing) {
    const std::vector<bool> enabled{true, true, true};
    const PageSequence pages = Pages(enabled);
    EXPECT_EQ(FindMoveTarget(pages, PageMove::Next, 2), std::nullopt);
    EXPECT_EQ(FindMoveTarget(pages, PageMove::Next, 0), 1);
    EXPECT_EQ(FindMoveTarget(pages, PageMove::Prior, 2), 1);
    EXPECT_EQ(FindMoveTarget(pages, PageMove::Last, 0), 2);
    EXPECT_EQ(FindMoveTarget(pages, PageMove::None, 0), std::nullopt);
    // Without an active page Next looks from the front.
    EXPECT_EQ(FindMoveTarget(pages, PageMove::Next, std::nullopt), 0);
}

TEST(PageNavigation, ForwardMeansToALaterPage) {
    EXPECT_TRUE(IsForward(std::nullopt, 2));
    EXPECT_TRUE(IsForward(std::nullopt, std::nullopt));
    EXPECT_FALSE(IsForward(1, std::nullopt));
    EXPECT_TRUE(IsForward(0, 1));
    EXPECT_FALSE(IsForward(1, 1));
    EXPECT_FALSE(IsForward(2, 1));
}

TEST(PageNavigation, DisabledOrRemovedPageHandsOverForwardFirst) {
    const std::vector<bool> enabled{true, true, false, true};
    const PageSequence pages = Pages(enabled);
    EXPECT_EQ(PageTakingOver(pages, 0), 1);
    EXPECT_EQ(PageTakingOver(pages, 1), 3);
    EXPECT_EQ(PageTakingOver(pages, 3), 1);  // the last page hands back to the nearest before it
    const std::vector<bool> alone{false};
    EXPECT_EQ(PageTakingOver(Pages(alone), 0), std::nullopt);
}

TEST(PageNavigation, MoveFiresExitThenEnterThenPageShown) {
    const auto steps = PlanActivation({0, 1, false, true, true, true});
    const std::vector<ActivationStep> expected{
        {S::kFocusCurrentPageIfFocusInside, 0, std::nullopt},
        {S::kExitPage, 0, 1},
        {S::kHidePage, 0, std::nullopt},
        {S::kEnterPage, 1, 0},
        {S::kShowPage, 1, std::nullopt},
        {S::kSetActive, 1, std::nullopt},
        {S::kSetButtonBarHeight, std::nullopt, std::nullopt},
        {S::kAnnouncePage, 1, std::nullopt},
    };
    EXPECT_EQ(steps, expected);
}

TEST(PageNavigation, FirstActivationEntersFromNoPage) {
    const auto steps = PlanActivation({std::nullopt, 0, false, true, true, true});
    const std::vector<ActivationStep> expected{
        {S::kEnterPage, 0, std::nullopt},    {S::kShowPage, 0, std::nullopt},
        {S::kSetActive, 0, std::nullopt},    {S::kSetButtonBarHeight, std::nullopt, std::nullopt},
        {S::kAnnouncePage, 0, std::nullopt},
    };
    EXPECT_EQ(steps, expected);
}

TEST(PageNavigation, LeavingForNoPageOrFromADisabledPage) {
    const auto toNone = PlanActivation({2, std::nullopt, false, true, true, false});
    const std::vector<ActivationStep> expected{
        {S::kFocusCurrentPageIfFocusInside, 2, std::nullopt},
        {S::kExitPage, 2, std::nullopt},
        {S::kHidePage, 2, std::nullopt},
        {S::kSetActive, std::nullopt, std::nullopt},
        {S::kSetButtonBarHeight, std::nullopt, std::nullopt},
    };
    EXPECT_EQ(toNone, expected);
    // A page that was disabled while active fires no exit event.
    const auto fromDisabled = PlanActivation({0, 1, false, true, false, true});
    EXPECT_EQ(fromDisabled[1], (ActivationStep{S::kHidePage, 0, std::nullopt}));
}

TEST(PageNavigation, IgnoredActivations) {
    EXPECT_TRUE(PlanActivation({0, 1, true, true, true, true}).empty());    // loading
    EXPECT_TRUE(PlanActivation({0, 1, false, false, true, true}).empty());  // another wizard's page
    EXPECT_TRUE(PlanActivation({0, 1, false, true, true, false}).empty());  // disabled page
    EXPECT_TRUE(PlanActivation({1, 1, false, true, true, true}).empty());   // already active
    EXPECT_TRUE(PlanActivation({std::nullopt, std::nullopt, false, true, true, true}).empty());
}
