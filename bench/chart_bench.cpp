// Prints what the charts cost: one timer tick of the main window's chart object (feed, three
// scroll steps, three restretches, and for visible charts their decorations and the copy
// to the window) against one full redraw of the three charts. A tick is meant to cost a
// small fraction of a full redraw.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/win/controls/chart_rig.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

double Microseconds(const std::function<void()>& step) {
    const LARGE_INTEGER start = Now();
    step();
    return Seconds(start, Now()) * 1e6;
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

struct Figures {
    double tick;    // us
    double redraw;  // us
};

// Ticks and full redraws in turn, ten ticks to a redraw, with the service's figures moved on
// before each: on a shared machine both then meet the same conditions, and the medians
// leave out the calls that others held up.
Figures Measure(ChartRig& rig, const chart::ClientArea& area) {
    rig.Layout(1, area);
    const int kRounds = 200;
    const int kTicksPerRound = 10;
    auto tick = [&] { rig.Tick(); };
    auto redraw = [&] { rig.RedrawAll(); };
    for (int i = 0; i < 50; ++i) Microseconds(tick);  // warm-up
    std::vector<double> ticks, redraws;
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < kTicksPerRound; ++i) {
            rig.AdvanceService();
            ticks.push_back(Microseconds(tick));
        }
        rig.AdvanceService();
        redraws.push_back(Microseconds(redraw));
    }
    return {Median(ticks), Median(redraws)};
}

}  // namespace

int main() {
    const chart::ClientArea area{800, 600, 51, 19};
    // Without a parent window the charts draw and restretch but show nothing, as hidden
    // charts do. With one (a window that is never shown) they also lay their decorations
    // over the picture and copy it out, as the visible charts of the main window do.
    ChartRig hidden(nullptr);
    const Figures h = Measure(hidden, area);
    HWND host =
        CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, area.width, area.height, nullptr, nullptr, nullptr, nullptr);
    ChartRig shown(host);
    const Figures v = Measure(shown, area);
    DestroyWindow(host);

    std::printf(
        "charts: 3, output %d x %d each (layout 1 in a %d x %d client)\n", hidden.Chart(0).placement.width,
        hidden.Chart(0).placement.height, area.width, area.height
    );
    std::printf(
        "hidden charts:  tick %9.1f us, full redraw %9.1f us, tick / redraw %6.3f\n", h.tick, h.redraw,
        h.tick / h.redraw
    );
    std::printf(
        "visible charts: tick %9.1f us, full redraw %9.1f us, tick / redraw %6.3f (goal below 0.100)\n", v.tick,
        v.redraw, v.tick / v.redraw
    );
    return 0;
}
