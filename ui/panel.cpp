#include "ui/panel.h"

#include "platform/handles.h"
#include "ui/property.h"

namespace ui {
namespace {

const char* const kBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

void FrameSides(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    platform::PenHandle light(CreatePen(PS_SOLID, 1, topLeft));
    platform::PenHandle dark(CreatePen(PS_SOLID, 1, bottomRight));
    {
        platform::Selection pen(dc, light.Get());
        MoveToEx(dc, r.left, r.bottom - 1, nullptr);
        LineTo(dc, r.left, r.top);
        LineTo(dc, r.right - 1, r.top);
    }
    platform::Selection pen(dc, dark.Get());
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left - 1, r.bottom - 1);
}

}  // namespace

void DrawBevel(HDC dc, RECT& rect, Bevel bevel, int width) {
    if (bevel == Bevel::None) return;
    COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int i = 0; i < width; ++i) {
        if (bevel == Bevel::Raised) FrameSides(dc, rect, highlight, shadow);
        if (bevel == Bevel::Lowered) FrameSides(dc, rect, shadow, highlight);
        InflateRect(&rect, -1, -1);
    }
}

const PropertyTable& Panel::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Enumeration("BevelInner", &Panel::BevelInner, &Panel::SetBevelInner, kBevelNames),
            Enumeration("BevelOuter", &Panel::BevelOuter, &Panel::SetBevelOuter, kBevelNames),
            Integer("BevelWidth", &Panel::BevelWidth, &Panel::SetBevelWidth),
        }
    );
    return table;
}

Panel::Panel(Component* owner) : WinControl(owner) { SetBounds(0, 0, 185, 41); }

void Panel::SetBevelInner(Bevel b) {
    bevelInner_ = b;
    Invalidate();
}

void Panel::SetBevelOuter(Bevel b) {
    bevelOuter_ = b;
    Invalidate();
}

void Panel::SetBevelWidth(int w) {
    bevelWidth_ = w;
    Invalidate();
}

void Panel::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.exStyle |= WS_EX_CONTROLPARENT;
}

RECT Panel::AlignArea() const {
    RECT area = ClientRect();
    for (Bevel bevel : {bevelOuter_, bevelInner_})
        if (bevel != Bevel::None) InflateRect(&area, -bevelWidth_, -bevelWidth_);
    return area;
}

void Panel::PaintSurface(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, Brush().Get(EffectiveColor()));
    DrawBevel(dc, r, bevelOuter_, bevelWidth_);
    DrawBevel(dc, r, bevelInner_, bevelWidth_);
    if (!Caption().empty()) {
        platform::Selection font(dc, TextFont().Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(TextFont().FontColor()));
        DrawTextW(dc, Caption().c_str(), -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

}  // namespace ui
