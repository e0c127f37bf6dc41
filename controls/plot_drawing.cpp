#include "controls/plot_drawing.h"

#include <vector>

#include "controls/gdi_selection.h"

namespace controls {

void FrameRectangle(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    GdiSelection pen = SolidPen(dc, 1, color);
    GdiSelection brush = HollowBrush(dc);
    Rectangle(dc, left, top, right, bottom);
}

void ClearRectangle(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    GdiSelection pen = SolidPen(dc, 1, color);
    GdiSelection brush = SolidBrush(dc, color);
    Rectangle(dc, left, top, right, bottom);
}

void DrawSeriesLine(HDC dc, const chart::ChartPoint* points, int count, int dy, int pen_width, COLORREF color) {
    std::vector<POINT> moved(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) moved[i] = {points[i].x, points[i].y + dy};
    GdiSelection pen = SolidPen(dc, pen_width, color);
    Polyline(dc, moved.data(), count);
}

void DrawSegment(HDC dc, chart::ChartPoint from, chart::ChartPoint to, int dy, int pen_width, COLORREF color) {
    GdiSelection pen = SolidPen(dc, pen_width, color);
    MoveToEx(dc, from.x, from.y + dy, nullptr);
    LineTo(dc, to.x, to.y + dy);
}

}  // namespace controls
