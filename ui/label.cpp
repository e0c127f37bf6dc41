#include "ui/label.h"

#include <algorithm>
#include <cstdint>
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

// How far a single-line text really reaches when drawn: glyphs may reach past their advance
// widths (italics), and the system may draw a run of small Cyrillic letters a few pixels wider
// than it measures it; a box of the measured width would cut the last letter off.
int InkWidth(HDC screen, const std::wstring& text, UINT flags, SIZE measured) {
    constexpr int kSlack = 16;
    const int width = measured.cx + kSlack, height = std::max<int>(measured.cy, 1);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    platform::BitmapHandle bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDc dc(CreateCompatibleDC(screen));
    if (!bitmap.Get() || !dc.Get()) return measured.cx;
    platform::Selection selectedBitmap(dc.Get(), bitmap.Get());
    platform::Selection selectedFont(dc.Get(), GetCurrentObject(screen, OBJ_FONT));
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    DrawTextW(dc.Get(), text.c_str(), -1, &all, (flags & ~(DT_RIGHT | DT_CENTER)) | DT_NOCLIP);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int x = width - 1; x >= measured.cx; --x)
        for (int y = 0; y < height; ++y)
            if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) return x + 1;
    return measured.cx;
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
        if (!wordWrap_) r.right = InkWidth(screen.Get(), text, DrawFlags(), {r.right, r.bottom});
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
