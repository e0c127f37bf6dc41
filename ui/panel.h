#pragma once

#include "ui/win_control.h"

namespace ui {

enum class Bevel { None, Lowered, Raised, Space };

// A container with optional inner and outer bevels and a centred caption; clickable.
class Panel : public WinControl {
    UI_PUBLISHED(Panel, "TPanel")

public:
    explicit Panel(Component* owner);

    Bevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(Bevel b);
    Bevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(Bevel b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);

protected:
    void FillCreateParams(CreateParams& params) override;
    void PaintSurface(HDC dc) override;
    RECT AlignArea() const override;
    void CaptionChanged() override { Invalidate(); }

private:
    Bevel bevelInner_ = Bevel::None;
    Bevel bevelOuter_ = Bevel::Raised;
    int bevelWidth_ = 1;
};

// Draws a raised or lowered bevel of `width` pixels inside `rect` and shrinks it.
void DrawBevel(HDC dc, RECT& rect, Bevel bevel, int width);

}  // namespace ui
