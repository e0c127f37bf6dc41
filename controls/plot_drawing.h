#pragma once
#include <windows.h>

#include "core/chart/chart_types.h"

namespace controls {

// Drawing steps shared by the full and the incremental redraw of the chart's master.

// Outline of the rectangle (left, top) - (right, bottom), right and bottom exclusive.
void FrameRectangle(HDC dc, int left, int top, int right, int bottom, COLORREF color);
// Outline and interior in one colour.
void ClearRectangle(HDC dc, int left, int top, int right, int bottom, COLORREF color);

// The first `count` points of a series, moved down by `dy` (up when negative).
void DrawSeriesLine(HDC dc, const chart::ChartPoint* points, int count, int dy, int pen_width, COLORREF color);
void DrawSegment(HDC dc, chart::ChartPoint from, chart::ChartPoint to, int dy, int pen_width, COLORREF color);

}  // namespace controls
