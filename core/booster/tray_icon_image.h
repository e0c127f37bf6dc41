#pragma once
#include <array>
#include <cstdint>
#include <span>

// The pixels of the service's tray icon, 16 x 16, for each style of the settings:
// 1 chart (a line over the newest 16 samples), 2 fill (the area under it), 3 value (the
// newest sample as digits over a level bar), 4 and 5 the chart and fill over a grid in
// the style of the system's performance graphs. Colours are 0x00BBGGRR.
namespace booster {

inline constexpr int kIconSize = 16;

enum class IconStyle { Chart = 1, Fill = 2, Value = 3, GridChart = 4, GridFill = 5 };

struct IconColors {
    std::uint32_t fore;
    std::uint32_t back;
    std::uint32_t text;
};

// Row-major, top row first.
using IconPixels = std::array<std::uint32_t, kIconSize * kIconSize>;

// A setting outside 1..5 draws the chart.
IconStyle IconStyleFromSetting(int style);

// The grid's colour: a third of the way from the background to the foreground.
std::uint32_t GridColor(const IconColors& colors);

// `history` is newest first (missing samples count as 0, values are clamped to 0..100).
// A non-negative `animationFrame` lays a band in the text colour across the icon that
// moves with each frame, to show that a pass is running.
IconPixels RenderTrayIcon(
    IconStyle style, std::span<const std::int32_t> history, const IconColors& colors, int animationFrame
);

}  // namespace booster
