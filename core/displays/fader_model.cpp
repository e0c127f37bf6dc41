#include "core/displays/fader_model.h"

#include <algorithm>
#include <utility>

namespace displays {

FaderModel::FaderModel() : lines_{L"TextFader"} {}

void FaderModel::set_Lines(std::vector<std::wstring> lines) {
    lines_ = std::move(lines);
    const int last = static_cast<int>(lines_.size()) - 1;
    if (line_index_ > last) SetLineIndex(last);
}

void FaderModel::set_Active(bool value, bool loading) {
    active_ = value;
    if (loading) return;
    fade_level_ = kFullyShown;
    if (value) {
        repeat_counter_ = 0;
        timer_interval_ = kStartInterval;
    }
    timer_enabled_ = value;
}

void FaderModel::Loaded() {
    if (!active_) return;
    timer_interval_ = kStartInterval;
    timer_enabled_ = true;
}

void FaderModel::set_LineDelay(std::uint16_t value) {
    line_delay_ = value;
    if (FullyShown()) timer_interval_ = line_delay_;
}

void FaderModel::set_FadeDelay(std::uint16_t value) {
    fade_delay_ = value;
    if (Fading()) timer_interval_ = fade_delay_;
}

void FaderModel::set_FadeStep(int value) { fade_step_ = std::clamp(value, 1, kFullyShown); }

void FaderModel::set_RepeatCount(std::int32_t value) { repeat_count_ = std::max(value, 0); }

bool FaderModel::FadeTick() {
    if (fade_level_ == kFullyShown) {
        previous_text_ = current_text_;
        NextText();
        // The last pass has ended: the last line stays as it is, and nothing fades in.
        if (!active_) return false;
        fade_level_ = 0;
        timer_interval_ = fade_delay_;
    }
    fade_level_ = std::min(fade_level_ + fade_step_, kFullyShown);
    if (fade_level_ < kFullyShown) return false;
    timer_interval_ = line_delay_;
    return true;
}

void FaderModel::NextText() {
    if (line_index_ != static_cast<int>(lines_.size()) - 1) {
        SetLineIndex(line_index_ + 1);
    } else {
        ++repeat_counter_;
        if (repeat_count_ != 0 && repeat_counter_ >= repeat_count_)
            set_Active(false);
        else
            SetLineIndex(0);
    }
    current_text_ = line_index_ < 0 ? std::wstring() : DecodeEscapes(lines_[line_index_]);
}

void FaderModel::SetLineIndex(int index) {
    line_index_ = lines_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(lines_.size()) - 1);
    if (fade_level_ == kFullyShown) timer_interval_ = line_delay_;
}

std::wstring DecodeEscapes(const std::wstring& line) {
    std::wstring text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != L'\\') {
            text += line[i];
            continue;
        }
        if (++i == line.size()) break;
        switch (line[i]) {
            case L'\\':
                text += L'\\';
                break;
            case L'n':
                text += L"\r\n";
                break;
            case L't':
                text += L'\t';
                break;
            default:
                break;
        }
    }
    return text;
}

int CentredTextTop(int control_height, int text_height) { return (control_height - text_height) / 2; }

namespace {

int Mix(int now, int before, int level) { return (level * now + (100 - level) * before) / 100; }

}  // namespace

chart::Color Blend(chart::Color current, chart::Color previous, int level) {
    return chart::Rgb(
        Mix(chart::RedOf(current), chart::RedOf(previous), level),
        Mix(chart::GreenOf(current), chart::GreenOf(previous), level),
        Mix(chart::BlueOf(current), chart::BlueOf(previous), level)
    );
}

void BlendChannels(std::uint8_t* current, const std::uint8_t* previous, std::size_t count, int level) {
    for (std::size_t i = 0; i < count; ++i) current[i] = static_cast<std::uint8_t>(Mix(current[i], previous[i], level));
}

std::vector<TilePlace> TilePlaces(int width, int height, int tile_width, int tile_height) {
    std::vector<TilePlace> places;
    if (tile_width <= 0 || tile_height <= 0) return places;
    for (int row = 0; row <= height / tile_height; ++row)
        for (int column = 0; column <= width / tile_width; ++column)
            places.push_back({column * tile_width, row * tile_height});
    return places;
}

}  // namespace displays
