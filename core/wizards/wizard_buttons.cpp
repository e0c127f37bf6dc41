#include "core/wizards/wizard_buttons.h"

#include "resources/string_ids.h"

namespace wizards {
namespace {

constexpr ButtonGroup L = ButtonGroup::Left;
constexpr ButtonGroup R = ButtonGroup::Right;

constexpr std::array<ButtonTraits, kButtonKindCount> kTraits{{
    {str::SWizardStartButton, 85, false, true, L, true, PageMove::First, 0},
    {str::SWizardLastButton, 85, false, true, L, true, PageMove::Last, 0},
    {str::SWizardBackButton, 75, true, false, R, true, PageMove::Prior, 0},
    {str::SWizardNextButton, 75, true, false, R, true, PageMove::Next, 0},
    {str::SWizardFinishButton, 75, false, true, R, true, PageMove::None, 0},
    {str::SWizardCancelButton, 75, true, true, R, true, PageMove::None, kCancelModalResult},
    {str::SWizardHelpButton, 75, false, true, L, false, PageMove::None, 0},
}};

constexpr int kEdgeMargin = 8;
constexpr int kTopInBar = 10;
constexpr int kWideGap = 10;
constexpr int kNarrowGap = 1;

// One button of a row and the gap that follows it when it is placed.
struct RowEntry {
    TKWizardButtonKind kind;
    int gapAfter;
};

}  // namespace

const std::array<ButtonTraits, kButtonKindCount>& ButtonTable() { return kTraits; }

int ButtonBarHeightFor(std::optional<TKWizardButtonSet> activePageVisible) {
    return activePageVisible && activePageVisible->Empty() ? 0 : kButtonBarHeight;
}

Rect PageArea(const Rect& wizardClient, int buttonBarHeight) {
    Rect area = wizardClient;
    if (buttonBarHeight > kButtonHeight) area.bottom -= buttonBarHeight;
    return area;
}

ButtonUpdate UpdateButtons(std::optional<ActivePageButtons> activePage) {
    ButtonUpdate update{{bkCancel}, kDefaultVisibleButtons, std::nullopt, DefaultButton::Unchanged};
    if (activePage) {
        update.enabled = activePage->enabled;
        if (activePage->isFirstEnabledPage && update.enabled.Has(bkBack)) {
            update.enabled = update.enabled.Without(bkBack);
            update.pageEnabledButtons = update.enabled;
        }
        update.visible = activePage->visible;
    }
    auto usable = [&](TKWizardButtonKind kind) { return update.visible.Has(kind) && update.enabled.Has(kind); };
    if (usable(bkNext)) {
        update.makeDefault = DefaultButton::Next;
    } else if (usable(bkFinish)) {
        update.makeDefault = DefaultButton::Finish;
    }
    return update;
}

std::array<std::optional<ButtonBounds>, kButtonKindCount> PlaceButtons(
    const Rect& wizardClient, int buttonBarHeight, TKWizardButtonSet shown,
    const std::array<int, kButtonKindCount>& widths
) {
    std::array<std::optional<ButtonBounds>, kButtonKindCount> bounds;
    if (buttonBarHeight <= kButtonHeight) {
        for (int kind = 0; kind < kButtonKindCount; ++kind) bounds[kind] = ButtonBounds{0, 0, widths[kind], 0};
        return bounds;
    }
    const int y = wizardClient.bottom - buttonBarHeight + kTopInBar;
    // Left to right from the left edge.
    const RowEntry leftRow[] = {{bkHelp, kWideGap}, {bkStart, kNarrowGap}, {bkLast, 0}};
    int x = wizardClient.left + kEdgeMargin;
    for (const RowEntry& entry : leftRow) {
        if (!shown.Has(entry.kind)) continue;
        bounds[entry.kind] = ButtonBounds{x, y, widths[entry.kind], kButtonHeight};
        x += widths[entry.kind] + entry.gapAfter;
    }
    // Right to left from the right edge. With both Next and Finish shown, Finish stands
    // apart beside Cancel; otherwise whichever is shown stands beside Back.
    const bool both = shown.Has(bkNext) && shown.Has(bkFinish);
    const RowEntry rightRow[] = {
        {bkCancel, both ? kNarrowGap : kWideGap},
        {bkFinish, both ? kWideGap : kNarrowGap},
        {bkNext, kNarrowGap},
        {bkBack, 0},
    };
    x = wizardClient.right - kEdgeMargin;
    for (const RowEntry& entry : rightRow) {
        if (!shown.Has(entry.kind)) continue;
        x -= widths[entry.kind];
        bounds[entry.kind] = ButtonBounds{x, y, widths[entry.kind], kButtonHeight};
        x -= entry.gapAfter;
    }
    return bounds;
}

}  // namespace wizards
