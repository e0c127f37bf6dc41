#pragma once
#include <array>
#include <cstdint>

namespace chart {

// Colours are 32-bit words 0x00BBGGRR, the platform's own layout, so they pass to GDI unchanged.
using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | static_cast<Color>(green & 0xFF) << 8 |
           static_cast<Color>(blue & 0xFF) << 16;
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>(c >> 16 & 0xFF); }

inline constexpr Color kWhite = Rgb(255, 255, 255);

inline constexpr int kMaxPoints = 200;
inline constexpr int kMaxGraphs = 2;

struct ChartPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ChartPoint&) const = default;
};

// One series as its owner keeps it. Point p (counted from 1, oldest first) lives at index
// p - 1. Drawing clamps `values` in place and overwrites `points`.
struct Tmsc_series {
    Color color = 0;
    std::array<double, kMaxPoints> values{};
    std::array<ChartPoint, kMaxPoints> points{};
};

// Where a chart is shown on its parent, in client pixels; width and height are sizes.
struct ChartRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const ChartRect&) const = default;
};

}  // namespace chart
