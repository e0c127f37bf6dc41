#include "controls/plot_drawing.h"

#include <vector>

#include "platform/handles.h"

namespace controls {

void FrameRectangle(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    platform::OwnedSelection pen(dc, CreatePen(PS_SOLID, 1, color));
    platform::Selection brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, right, bottom);
}

void ClearRectangle(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    platform::OwnedSelection pen(dc, CreatePen(PS_SOLID, 1, color));
    platform::OwnedSelection brush(dc, CreateSolidBrush(color));
    Rectangle(dc, left, top, right, bottom);
}

void DrawSeriesLine(HDC dc, const chart::ChartPoint* points, int count, int dy, int pen_width, COLORREF color) {
    std::vector<POINT> moved(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) moved[i] = {points[i].x, points[i].y + dy};
    platform::OwnedSelection pen(dc, CreatePen(PS_SOLID, pen_width, color));
    Polyline(dc, moved.data(), count);
}

void DrawSegment(HDC dc, chart::ChartPoint from, chart::ChartPoint to, int dy, int pen_width, COLORREF color) {
    platform::OwnedSelection pen(dc, CreatePen(PS_SOLID, pen_width, color));
    MoveToEx(dc, from.x, from.y + dy, nullptr);
    LineTo(dc, to.x, to.y + dy);
}

}  // namespace controls
