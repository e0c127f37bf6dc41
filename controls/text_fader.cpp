#include "controls/text_fader.h"

#include "controls/rgb_surface.h"
#include "platform/handles.h"
#include "ui/property.h"
#include "ui/win_control.h"

namespace controls {
namespace {

const char* const kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kBackgroundModeNames[] = {"bmNone", "bmTiled", "bmStretched", "bmCentered"};

UINT AlignmentFormat(ui::TextAlignment alignment) {
    switch (alignment) {
        case ui::TextAlignment::Right:
            return DT_RIGHT;
        case ui::TextAlignment::Center:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

}  // namespace

const ui::PropertyTable& TTextFader::ClassProperties() {
    using namespace ui::published;
    using T = TTextFader;
    static const ui::PropertyTable table(
        &ui::GraphicControl::ClassProperties(),
        {
            Object("Lines", &T::Lines, ui::PropertyKind::StringList),
            Boolean("Active", &T::Active, &T::SetActive),
            Integer("LineDelay", &T::LineDelay, &T::SetLineDelay),
            Integer("FadeDelay", &T::FadeDelay, &T::SetFadeDelay),
            Integer("FadeStep", &T::FadeStep, &T::SetFadeStep),
            Integer("RepeatCount", &T::RepeatCount, &T::SetRepeatCount),
            Enumeration("Alignment", &T::Alignment, &T::SetAlignment, kAlignmentNames),
            Boolean("WordWrap", &T::WordWrap, &T::SetWordWrap),
            Boolean("Transparent", &T::Transparent, &T::SetTransparent),
            Object("Background", &T::Background),
            Enumeration("BackgroundMode", &T::BackgroundMode, &T::SetBackgroundMode, kBackgroundModeNames),
            EventSlot("OnComplete", &T::OnComplete),
        }
    );
    return table;
}

TTextFader::TTextFader(ui::Component* owner) : ui::GraphicControl(owner) {
    SetBounds(0, 0, 200, 16);
    lines_.Assign(model_.Lines());
    lines_.onChange = [this] { model_.set_Lines(lines_.Lines()); };
    background_.onChange = [this] { Invalidate(); };
    FollowTimer();
    timer_.OnTimer = [this](ui::NotifyArgs&) { FadeTick(); };
}

void TTextFader::FollowTimer() {
    const int interval = static_cast<int>(model_.TimerInterval());
    if (timer_.Interval() != interval) timer_.SetInterval(interval);
    if (timer_.Enabled() != model_.TimerEnabled()) timer_.SetEnabled(model_.TimerEnabled());
}

void TTextFader::SetActive(bool value) {
    model_.set_Active(value, Loading());
    FollowTimer();
    if (!value) Invalidate();
}

void TTextFader::Loaded() {
    model_.Loaded();
    FollowTimer();
}

void TTextFader::SetLineDelay(std::int64_t value) {
    model_.set_LineDelay(static_cast<std::uint16_t>(value));
    FollowTimer();
}

void TTextFader::SetFadeDelay(std::int64_t value) {
    model_.set_FadeDelay(static_cast<std::uint16_t>(value));
    FollowTimer();
}

void TTextFader::SetAlignment(ui::TextAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TTextFader::SetWordWrap(bool value) {
    word_wrap_ = value;
    Invalidate();
}

void TTextFader::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TTextFader::SetBackgroundMode(TBackgroundMode value) {
    background_mode_ = value;
    Invalidate();
}

void TTextFader::FadeTick() {
    const bool complete = model_.FadeTick();
    FollowTimer();
    // Fading a text into itself (one empty line after another) changes nothing on screen.
    if (model_.CurrentText() != model_.PreviousText()) Invalidate();
    if (!complete) return;
    ui::NotifyArgs args;
    args.sender = this;
    OnComplete(args);
}

void TTextFader::Invalidate() {
    if (!Parent() || !Parent()->HandleAllocated()) return;
    const RECT bounds = BoundsRect();
    InvalidateRect(Parent()->Handle(), &bounds, FALSE);
}

// What the parent would show under the fader, in the fader's own coordinates.
void TTextFader::DrawParentImage(HDC dc) const {
    if (!Parent()) return;
    platform::SavedDc saved(dc);
    SetViewportOrgEx(dc, -Left(), -Top(), nullptr);
    const RECT client = Parent()->ClientRect();
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    Parent()->PaintUnder(dc, *this);
}

void TTextFader::DrawBackground(HDC dc) const {
    if (transparent_) {
        DrawParentImage(dc);
        return;
    }
    const int width = Width();
    const int height = Height();
    ui::CachedBrush brush;
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush.Get(EffectiveColor()));
    if (background_.Empty()) return;
    const int picture_width = background_.Width();
    const int picture_height = background_.Height();
    switch (background_mode_) {
        case TBackgroundMode::bmTiled:
            for (const displays::TilePlace& tile : displays::TilePlaces(width, height, picture_width, picture_height))
                background_.Draw(dc, {tile.x, tile.y, tile.x + picture_width, tile.y + picture_height}, false);
            break;
        case TBackgroundMode::bmStretched:
            background_.Draw(dc, all, false);
            break;
        case TBackgroundMode::bmCentered: {
            const int x = (width - picture_width) / 2;
            const int y = (height - picture_height) / 2;
            background_.Draw(dc, {x, y, x + picture_width, y + picture_height}, false);
            break;
        }
        case TBackgroundMode::bmNone:
            break;
    }
}

// The text block is centred vertically; lines wrap at the fader's width.
void TTextFader::DrawTextLine(HDC dc, const std::wstring& text) {
    platform::Selection font(dc, TextFont().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::ToColorRef(TextFont().FontColor()));
    const UINT format = AlignmentFormat(alignment_) | (word_wrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS | DT_NOPREFIX;
    RECT measured{0, 0, Width(), 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    const int top = displays::CentredTextTop(Height(), measured.bottom - measured.top);
    RECT box{0, top, Width(), Height()};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
}

// Composed off-screen and copied in one piece; while fading, the line before and the line
// fading in are drawn on copies of the background and mixed pixel by pixel.
void TTextFader::Paint(HDC dc) {
    RgbSurface current(Width(), Height());
    DrawBackground(current.dc());
    const int level = model_.FadeLevel();
    if (level < displays::FaderModel::kFullyShown) {
        RgbSurface previous(Width(), Height());
        BitBlt(previous.dc(), 0, 0, Width(), Height(), current.dc(), 0, 0, SRCCOPY);
        DrawTextLine(previous.dc(), model_.PreviousText());
        DrawTextLine(current.dc(), model_.CurrentText());
        displays::BlendChannels(current.Bytes(), previous.Bytes(), current.ByteCount(), level);
    } else {
        DrawTextLine(current.dc(), model_.CurrentText());
    }
    BitBlt(dc, Left(), Top(), Width(), Height(), current.dc(), 0, 0, SRCCOPY);
}

}  // namespace controls
