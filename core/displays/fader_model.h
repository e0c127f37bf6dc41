#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/chart/chart_types.h"

namespace displays {

// The drawing-independent half of the text fader: its cycling through the lines, the fade
// level of the line fading in and the timer it asks for. The control keeps its timer at
// TimerEnabled() and TimerInterval() after every call and paints CurrentText() over
// PreviousText() at FadeLevel().
class FaderModel {
public:
    static constexpr int kFullyShown = 100;
    // The first tick after activation comes almost at once.
    static constexpr std::uint32_t kStartInterval = 5;

    FaderModel();

    const std::vector<std::wstring>& Lines() const { return lines_; }
    void set_Lines(std::vector<std::wstring> lines);
    bool Active() const { return active_; }
    // While the form is being loaded only the value is kept; Loaded() then starts the timer.
    void set_Active(bool value, bool loading = false);
    void Loaded();
    std::uint16_t LineDelay() const { return line_delay_; }
    void set_LineDelay(std::uint16_t value);
    std::uint16_t FadeDelay() const { return fade_delay_; }
    void set_FadeDelay(std::uint16_t value);
    // Percentage points per fade step, 1 .. 100.
    int FadeStep() const { return fade_step_; }
    void set_FadeStep(int value);
    // Passes through the lines before the fader stops; 0 cycles for ever.
    std::int32_t RepeatCount() const { return repeat_count_; }
    void set_RepeatCount(std::int32_t value);

    // One timer tick; true when a line has just fully faded in (the completion event).
    bool FadeTick();

    int FadeLevel() const { return fade_level_; }
    int LineIndex() const { return line_index_; }
    const std::wstring& CurrentText() const { return current_text_; }
    const std::wstring& PreviousText() const { return previous_text_; }
    bool TimerEnabled() const { return timer_enabled_; }
    std::uint32_t TimerInterval() const { return timer_interval_; }

private:
    void NextText();
    void SetLineIndex(int index);
    bool FullyShown() const { return timer_enabled_ && fade_level_ == kFullyShown; }
    bool Fading() const { return timer_enabled_ && fade_level_ < kFullyShown; }

    std::vector<std::wstring> lines_;
    bool active_ = false;
    std::uint16_t line_delay_ = 2000;
    std::uint16_t fade_delay_ = 30;
    int fade_step_ = 4;
    std::int32_t repeat_count_ = 0;

    int fade_level_ = kFullyShown;
    int line_index_ = -1;
    std::wstring current_text_;
    std::wstring previous_text_;
    std::int32_t repeat_counter_ = 0;
    bool timer_enabled_ = false;
    std::uint32_t timer_interval_ = kStartInterval;
};

// A line as it is drawn: backslash-backslash gives a backslash, backslash-n a line break
// (carriage return and line feed), backslash-t a tab; a backslash before anything else
// drops both characters.
std::wstring DecodeEscapes(const std::wstring& line);

// The top of a text block `text_height` high centred in a control `control_height` high.
int CentredTextTop(int control_height, int text_height);

// The mix of two colours `level` percent of the way from `previous` to `current`.
chart::Color Blend(chart::Color current, chart::Color previous, int level);
// The same mix over raw 8-bit channels, in place on `current`.
void BlendChannels(std::uint8_t* current, const std::uint8_t* previous, std::size_t count, int level);

// Where tiles of a `tile_width` x `tile_height` picture go to cover an area of
// `width` x `height` from its corner, row by row (one extra row and column, clipped by
// the caller).
struct TilePlace {
    int x = 0;
    int y = 0;
    bool operator==(const TilePlace&) const = default;
};
std::vector<TilePlace> TilePlaces(int width, int height, int tile_width, int tile_height);

}  // namespace displays
