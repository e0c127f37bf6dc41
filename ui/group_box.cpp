#include "ui/group_box.h"

#include "platform/handles.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& GroupBox::ClassProperties() {
    static const PropertyTable table(&WinControl::ClassProperties(), {});
    return table;
}

GroupBox::GroupBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void GroupBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void GroupBox::PaintSurface(HDC dc) {
    RECT client = ClientRect();
    FillRect(dc, &client, Brush().Get(EffectiveColor()));
    platform::Selection font(dc, TextFont().Handle());
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame = client;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!Caption().empty()) {
        RECT text{8, 0, client.right - 8, tm.tmHeight};
        DrawTextW(dc, Caption().c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        text.left -= 2;
        text.right += 2;
        FillRect(dc, &text, Brush().Get(EffectiveColor()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(Enabled() ? TextFont().FontColor() : SystemColor(COLOR_GRAYTEXT)));
        text.left += 2;
        DrawTextW(dc, Caption().c_str(), -1, &text, DT_SINGLELINE);
    }
}

}  // namespace ui
