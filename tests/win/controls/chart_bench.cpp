// Prints what the charts cost: one timer tick (feed, three scroll steps, three restretches)
// against one full redraw of the three charts. A tick is meant to cost a small fraction
// of a full redraw.
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

}  // namespace

int main() {
    // No parent window: the charts draw and restretch but show nothing, as hidden charts do,
    // so the figures are the charts' own work without the screen.
    ChartRig rig(nullptr);
    const chart::ClientArea area{800, 600, 51, 19};
    rig.Layout(1, area);

    const int kTicks = 2000;
    const int kRedraws = 200;
    auto advance = [&] { rig.AdvanceService(); };
    MeanMicroseconds(50, [&] { rig.Tick(); }, advance);  // warm-up
    const double tick = MeanMicroseconds(kTicks, [&] { rig.Tick(); }, advance);
    const double redraw = MeanMicroseconds(kRedraws, [&] { rig.RedrawAll(); }, advance);
    const double decorations = MeanMicroseconds(kRedraws, [&] {
        for (int i = 0; i < chart::kChartCount; ++i) rig.Chart(i).draw_decorations();
    }, [] {});

    std::printf("charts: 3, output %d x %d each (layout 1 in a %d x %d client)\n", rig.Chart(0).placement.width,
                rig.Chart(0).placement.height, area.width, area.height);
    std::printf("timer tick (feed + 3 draw_shifted + stretch): %9.1f us  (mean of %d)\n", tick, kTicks);
    std::printf("full redraw (3 draw_graphic):                %9.1f us  (mean of %d)\n", redraw, kRedraws);
    std::printf("tick / full redraw:                          %9.3f  (target below 0.100)\n", tick / redraw);
    std::printf("decorations of 3 charts (each paint):        %9.1f us\n", decorations);
    std::printf("the same ratio for visible charts, which draw their decorations on every draw: %.3f\n",
                (tick + decorations) / (redraw + decorations));
    return 0;
}
