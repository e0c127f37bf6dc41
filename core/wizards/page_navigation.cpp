#include "core/wizards/page_navigation.h"

namespace wizards {

std::optional<int> FindNextPage(const PageSequence& pages, int start, int step, bool skipDisabled) {
    int index = start;
    do {
        index += step;
    } while (index >= 0 && index < pages.count && skipDisabled && !pages.enabled(index));
    if (index < 0 || index >= pages.count) return std::nullopt;
    return index;
}

bool IsFirstPage(const PageSequence& pages, int index, bool skipDisabled) {
    std::optional<int> first = FindNextPage(pages, -1, +1, skipDisabled);
    return !first || *first == index;
}

std::optional<int> FindMoveTarget(const PageSequence& pages, PageMove move, std::optional<int> active) {
    const int from = active.value_or(-1);
    switch (move) {
        case PageMove::First:
            return FindNextPage(pages, -1, +1, true);
        case PageMove::Last:
            return FindNextPage(pages, pages.count, -1, true);
        case PageMove::Next:
            return FindNextPage(pages, from, +1, true);
        case PageMove::Prior:
            return FindNextPage(pages, from, -1, true);
        case PageMove::None:
            break;
    }
    return std::nullopt;
}

bool IsForward(std::optional<int> from, std::optional<int> to) {
    if (!from) return true;
    if (!to) return false;
    return *from < *to;
}

std::optional<int> PageTakingOver(const PageSequence& pages, int index) {
    if (std::optional<int> next = FindNextPage(pages, index, +1, true)) return next;
    return FindNextPage(pages, index, -1, true);
}

std::vector<ActivationStep> PlanActivation(const ActivationRequest& request) {
    using S = ActivationStep;
    std::vector<ActivationStep> steps;
    if (request.loading) return steps;
    if (request.target && (!request.targetInThisWizard || !request.targetEnabled)) return steps;
    if (request.target == request.current) return steps;
    if (request.current) {
        steps.push_back({S::kFocusCurrentPageIfFocusInside, request.current, std::nullopt});
        if (request.currentEnabled) steps.push_back({S::kExitPage, request.current, request.target});
        steps.push_back({S::kHidePage, request.current, std::nullopt});
    }
    if (request.target) {
        steps.push_back({S::kEnterPage, request.target, request.current});
        steps.push_back({S::kShowPage, request.target, std::nullopt});
    }
    steps.push_back({S::kSetActive, request.target, std::nullopt});
    steps.push_back({S::kSetButtonBarHeight, std::nullopt, std::nullopt});
    if (request.target) steps.push_back({S::kAnnouncePage, request.target, std::nullopt});
    return steps;
}

}  // namespace wizards
