#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/displays/fader_model.h"
#include "ui/graphic_control.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/string_list.h"
#include "ui/timer.h"

namespace controls {

enum class TBackgroundMode { bmNone, bmTiled, bmStretched, bmCentered };

// Shows its lines one at a time, each fading in over the one before, on a background
// picture or on what lies under it. Only the picture that changes is redrawn: nothing
// happens while a line is fully shown.
class TTextFader : public ui::GraphicControl {
    UI_PUBLISHED(TTextFader, "TTextFader")

public:
    explicit TTextFader(ui::Component* owner);

    ui::StringList& Lines() { return lines_; }
    bool Active() const { return model_.Active(); }
    void SetActive(bool value);
    std::int64_t LineDelay() const { return model_.LineDelay(); }
    void SetLineDelay(std::int64_t value);
    std::int64_t FadeDelay() const { return model_.FadeDelay(); }
    void SetFadeDelay(std::int64_t value);
    std::int64_t FadeStep() const { return model_.FadeStep(); }
    void SetFadeStep(std::int64_t value) { model_.set_FadeStep(static_cast<int>(value)); }
    std::int64_t RepeatCount() const { return model_.RepeatCount(); }
    void SetRepeatCount(std::int64_t value) { model_.set_RepeatCount(static_cast<std::int32_t>(value)); }
    ui::TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(ui::TextAlignment value);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    ui::Picture& Background() { return background_; }
    TBackgroundMode BackgroundMode() const { return background_mode_; }
    void SetBackgroundMode(TBackgroundMode value);

    // Fires each time a line has fully faded in.
    ui::Event<ui::NotifyArgs> OnComplete;

    const displays::FaderModel& Model() const { return model_; }
    // One step of the cycle, as the timer takes it.
    void FadeTick();

    void Paint(HDC dc) override;
    // The fader covers its whole box, so nothing under it needs erasing first.
    void Invalidate() override;

protected:
    void Loaded() override;

private:
    void FollowTimer();
    void DrawBackground(HDC dc) const;
    void DrawParentImage(HDC dc) const;
    void DrawTextLine(HDC dc, const std::wstring& text);

    displays::FaderModel model_;
    ui::StringList lines_;
    ui::TextAlignment alignment_ = ui::TextAlignment::Center;
    bool word_wrap_ = true;
    bool transparent_ = false;
    ui::Picture background_;
    TBackgroundMode background_mode_ = TBackgroundMode::bmTiled;
    ui::Timer timer_{nullptr};
};

}  // namespace controls
