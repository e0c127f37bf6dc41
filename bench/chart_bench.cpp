// Prints what the charts cost: one timer tick of the main window's chart object (feed, three
// scroll steps, three restretches, and for visible charts their decorations and the copy
// to the window) against one full redraw of the three charts. A tick is meant to cost a
// small fraction of a full redraw.
#include <windows.h>

#include <cstdio>

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

// Mean time of one call of `step`, in microseconds; `between` runs untimed before each call.
template <typename Step, typename Between>
double MeanMicroseconds(int runs, Step step, Between between) {
    double total = 0;
    for (int i = 0; i < runs; ++i) {
        between();
        const LARGE_INTEGER start = Now();
        step();
        total += Seconds(start, Now());
    }
    return total * 1e6 / runs;
}

struct Figures {
    double tick;    // us
    double redraw;  // us
};

Figures Measure(ChartRig& rig, const chart::ClientArea& area) {
    rig.Layout(1, area);
    const int kTicks = 2000;
    const int kRedraws = 200;
    auto advance = [&] { rig.AdvanceService(); };
    MeanMicroseconds(
        50, [&] { rig.Tick(); }, advance
    );  // warm-up
    const double tick = MeanMicroseconds(
        kTicks, [&] { rig.Tick(); }, advance
    );
    const double redraw = MeanMicroseconds(
        kRedraws, [&] { rig.RedrawAll(); }, advance
    );
    return {tick, redraw};
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
