#pragma once
#include <functional>
#include <optional>
#include <vector>

// Which page a wizard moves to and what happens, in which order, when it gets there.
// Pages are named by their position in the wizard's page list.
namespace wizards {

struct PageSequence {
    int count = 0;
    std::function<bool(int)> enabled;  // of the page at a position within 0..count-1
};

// Steps from `start` by `step` (+1 or -1) to the first page in range that is enabled, or
// to the very next page when disabled pages are not skipped.
std::optional<int> FindNextPage(const PageSequence& pages, int start, int step, bool skipDisabled);

// True for the first page that a search from the front finds, and when it finds none.
bool IsFirstPage(const PageSequence& pages, int index, bool skipDisabled);

enum class PageMove { None, First, Last, Prior, Next };

// The page a move lands on before its select event may substitute another; none when
// there is nowhere to go, and then no event fires. Disabled pages are always skipped.
std::optional<int> FindMoveTarget(const PageSequence& pages, PageMove move, std::optional<int> active);

// Whether going from one page to another goes forward. The kit first checks that both
// pages belong to the same wizard.
bool IsForward(std::optional<int> from, std::optional<int> to);

// Where the wizard goes when the page at `index` becomes disabled or is removed (a
// position in the list before the removal): the next enabled page, else the nearest
// enabled one before it, else nowhere.
std::optional<int> PageTakingOver(const PageSequence& pages, int index);

struct ActivationRequest {
    std::optional<int> current;
    std::optional<int> target;
    bool loading = false;  // the form is still being read
    bool targetInThisWizard = true;
    bool currentEnabled = true;
    bool targetEnabled = true;
};

// The kit replays these in order.
struct ActivationStep {
    enum Kind {
        kFocusCurrentPageIfFocusInside,  // page
        kExitPage,                       // page's OnExitPage, other = the page to come
        kHidePage,                       // page
        kEnterPage,                      // page's OnEnterPage, other = the page before
        kShowPage,                       // page to front, shown; focus to it if it can take it, else to the wizard
        kSetActive,                      // page (none: no active page)
        kSetButtonBarHeight,             // for the page now active, whose enter event may have changed
                                         // its buttons; always ends with the button update
        kAnnouncePage,                   // if the form's focus is on the page: repaint, OnPage, focus its first child
    } kind;
    std::optional<int> page = std::nullopt;
    std::optional<int> other = std::nullopt;
    bool operator==(const ActivationStep&) const = default;
};

// Nothing happens while loading, for a page of another wizard, for a disabled page and for
// the page that is already active. Page events fire only for enabled pages.
std::vector<ActivationStep> PlanActivation(const ActivationRequest& request);

}  // namespace wizards
