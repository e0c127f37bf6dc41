#include "ui/label.h"

#include <cwctype>

#include "platform/handles.h"
#include "ui/property.h"
#include "ui/win_control.h"

namespace ui {
namespace {

const char* const kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};

}  // namespace

const PropertyTable& Label::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &GraphicControl::ClassProperties(),
        {
            Enumeration("Alignment", &Label::Alignment, &Label::SetAlignment, kAlignmentNames),
            Enumeration("Layout", &Label::Layout, &Label::SetLayout, kLayoutNames),
            Boolean("WordWrap", &Label::WordWrap, &Label::SetWordWrap),
            Boolean("AutoSize", &Label::AutoSize, &Label::SetAutoSize),
            Boolean("Transparent", &Label::Transparent, &Label::SetTransparent),
            Boolean("ShowAccelChar", &Label::ShowAccelChar, &Label::SetShowAccelChar),
            Reference("FocusControl", &Label::FocusControl, &Label::SetFocusControl),
        }
    );
    return table;
}

Label::Label(Component* owner) : GraphicControl(owner) { SetBounds(0, 0, 65, 13); }

void Label::SetAlignment(TextAlignment a) {
    alignment_ = a;
    Invalidate();
}

void Label::SetLayout(TextLayout l) {
    layout_ = l;
    Invalidate();
}

void Label::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustSize();
    Invalidate();
}

void Label::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustSize();
}

void Label::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void Label::SetShowAccelChar(bool v) {
    showAccelChar_ = v;
    Invalidate();
}

bool Label::IsMnemonic(wchar_t key) const {
    if (!showAccelChar_) return false;
    std::wstring text = Caption();
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;  // "&&" is a plain ampersand
            continue;
        }
        return towupper(text[i + 1]) == towupper(key);
    }
    return false;
}

void Label::CaptionChanged() {
    AdjustSize();
    GraphicControl::CaptionChanged();
}

void Label::FontChanged() {
    AdjustSize();
    GraphicControl::FontChanged();
}

UINT Label::DrawFlags() const {
    UINT flags = wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (alignment_ == TextAlignment::Right) flags |= DT_RIGHT;
    if (alignment_ == TextAlignment::Center) flags |= DT_CENTER;
    return flags;
}

namespace {

// Some glyphs (italics, several Cyrillic letters) reach past their advance width; without
// room for it the last letter of an auto-sized caption would be cut off.
int Overhang(HDC dc, wchar_t last) {
    ABC abc{};
    return GetCharABCWidthsW(dc, last, last, &abc) && abc.abcC < 0 ? -abc.abcC : 0;
}

}  // namespace

// An auto-sized caption keeps its left edge (and, when wrapping, its width) and takes the
// size its text needs.
void Label::AdjustSize() {
    if (!autoSize_ || Loading()) return;
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        platform::WindowDc screen;
        platform::Selection font(screen.Get(), TextFont().Handle());
        std::wstring text = Caption().empty() ? L" " : Caption();
        DrawTextW(screen.Get(), text.c_str(), -1, &r, DrawFlags() | DT_CALCRECT);
        if (!wordWrap_) r.right += Overhang(screen.Get(), text.back());
    }
    SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

void Label::Paint(HDC dc) {
    RECT r = BoundsRect();
    if (!transparent_) {
        platform::BrushHandle brush(CreateSolidBrush(ToColorRef(EffectiveColor())));
        FillRect(dc, &r, brush.Get());
    }
    platform::Selection font(dc, TextFont().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(Enabled() ? TextFont().FontColor() : SystemColor(COLOR_GRAYTEXT)));
    UINT flags = DrawFlags();
    if (layout_ != TextLayout::Top) {
        RECT measure{r.left, 0, r.right, 0};
        DrawTextW(dc, Caption().c_str(), -1, &measure, flags | DT_CALCRECT);
        int h = measure.bottom - measure.top;
        r.top += layout_ == TextLayout::Center ? (r.bottom - r.top - h) / 2 : (r.bottom - r.top - h);
    }
    DrawTextW(dc, Caption().c_str(), -1, &r, flags);
}

}  // namespace ui
