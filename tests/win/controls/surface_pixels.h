#pragma once
#include <windows.h>

#include <vector>

#include "controls/dib_surface.h"
#include "core/chart/chart_types.h"

// Pixel helpers of the chart tests.

using chart::kWhite;

// The colour a pixel reads back as once `c` is stored on a 16-bit surface.
inline COLORREF Q(COLORREF c) { return controls::DibSurface::Quantised(c); }

inline std::vector<COLORREF> Row(const controls::DibSurface& s, int y) {
    std::vector<COLORREF> row;
    for (int x = 0; x < s.width(); ++x) row.push_back(s.Pixel(x, y));
    return row;
}
